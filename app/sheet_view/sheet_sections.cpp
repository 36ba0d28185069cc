#include "app/sheet_view/sheet_sections.h"

namespace app::sheet {
namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

SheetSection Lines(const char* title, const std::vector<SheetLine>& lines) {
  SheetSection section{QLatin1String(title), {}, {}};
  for (const SheetLine& line : lines) section.rows.push_back({Text(line.label), Text(line.value)});
  return section;
}

// `gap` is the room between cells where no rule divides them.
QString Row(const QStringList& cells, const char* tag, const QString& style = {},
            const QString& gap = {}) {
  QStringList tagged;
  for (const QString& cell : cells) {
    tagged << QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), cell.toHtmlEscaped());
  }
  return QStringLiteral("<tr%1>%2</tr>").arg(style, tagged.join(gap));
}

}  // namespace

std::vector<SheetSection> SheetSections(const SheetModel& model) {
  SheetSection parts{QStringLiteral("Parts"),
                     {QStringLiteral("Part"), QStringLiteral("Value"),
                      QStringLiteral("What to buy"), QStringLiteral("Rating")},
                     {}};
  for (const design::SheetPart& part : model.parts) {
    parts.rows.push_back(
        {Text(part.reference), Text(part.value), Text(part.buy), Text(part.rating)});
  }
  SheetSection warnings{QStringLiteral("Warnings"), {}, {}, true};
  for (const std::string& warning : model.warnings) warnings.rows.push_back({Text(warning)});
  if (model.warnings.empty()) warnings = {QStringLiteral("Warnings"), {}, {{"None."}}};
  return {parts, Lines("Output voltage", model.output), Lines("Operating point", model.operating),
          Lines("Losses", model.losses), warnings};
}

QString SheetHtml(const std::vector<SheetSection>& sections) {
  QString html;
  for (const SheetSection& section : sections) {
    if (!section.title.isEmpty()) {
      html += QStringLiteral("<h3>%1</h3>").arg(section.title.toHtmlEscaped());
    }
    const bool ruled = !section.heads.isEmpty();
    html += ruled ? QStringLiteral(
                        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" "
                        "width=\"100%\">") +
                        Row(section.heads, "th")
                  : QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\">");
    const QString style = section.warnings ? QStringLiteral(" style=\"color:#b00000\"") : "";
    const QString gap = ruled ? QString() : QStringLiteral("<td width=\"16\"></td>");
    for (const QStringList& row : section.rows) html += Row(row, "td", style, gap);
    html += QStringLiteral("</table>");
  }
  return html;
}

}  // namespace app::sheet
