#include "app/sheet_view/sheet_html.h"

#include <QStringList>

namespace app::sheet {
namespace {

// `gap` is the room between cells where no rule divides them.
QString Row(const std::vector<std::string>& cells, const char* tag, const QString& style = {},
            const QString& gap = {}) {
  QStringList tagged;
  // A sentence alone on its row spans the label, the gap and the value.
  const QString span = cells.size() == 1 && !gap.isEmpty() ? QStringLiteral(" colspan=\"3\"") : "";
  for (const std::string& cell : cells) {
    tagged << QStringLiteral("<%1%3>%2</%1>")
                  .arg(QLatin1String(tag), QString::fromStdString(cell).toHtmlEscaped(), span);
  }
  return QStringLiteral("<tr%1>%2</tr>").arg(style, tagged.join(gap));
}

}  // namespace

QString SheetHtml(const std::vector<design::SheetSection>& sections) {
  QString html;
  for (const design::SheetSection& section : sections) {
    if (!section.title.empty()) {
      html +=
          QStringLiteral("<h3>%1</h3>").arg(QString::fromStdString(section.title).toHtmlEscaped());
    }
    const bool ruled = !section.heads.empty();
    html += ruled ? QStringLiteral(
                        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" "
                        "width=\"100%\">") +
                        Row(section.heads, "th")
                  : QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
    const QString style = section.warnings ? QStringLiteral(" style=\"color:#b00000\"") : "";
    const QString gap = ruled ? QString() : QStringLiteral("<td width=\"16\"></td>");
    for (const auto& row : section.rows) html += Row(row, "td", style, gap);
    html += QStringLiteral("</table>");
  }
  return html;
}

}  // namespace app::sheet
