#include "app/sheet_view/sheet_html.h"

namespace app::sheet {
namespace {

QString Escaped(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

QString Cells(std::initializer_list<const std::string*> texts, const char* tag) {
  QString row = QStringLiteral("<tr>");
  for (const std::string* text : texts) {
    row += QStringLiteral("<%1>%2</%1>").arg(QLatin1String(tag), Escaped(*text));
  }
  return row + QStringLiteral("</tr>");
}

QString PartsTable(const std::vector<design::SheetPart>& parts) {
  static const std::string kHeads[] = {"Part", "Value", "What to buy", "Rating"};
  QString table =
      QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" width=\"100%\">") +
      Cells({&kHeads[0], &kHeads[1], &kHeads[2], &kHeads[3]}, "th");
  for (const design::SheetPart& part : parts) {
    table += Cells({&part.reference, &part.value, &part.buy, &part.rating}, "td");
  }
  return table + QStringLiteral("</table>");
}

QString Section(const char* title, const std::vector<SheetLine>& lines) {
  QString text = QStringLiteral("<h3>%1</h3><table cellspacing=\"0\" cellpadding=\"2\">")
                     .arg(QLatin1String(title));
  for (const SheetLine& line : lines) {
    text += QStringLiteral("<tr><td>%1</td><td width=\"16\"></td><td>%2</td></tr>")
                .arg(Escaped(line.label), Escaped(line.value));
  }
  return text + QStringLiteral("</table>");
}

QString Warnings(const std::vector<std::string>& warnings) {
  if (warnings.empty()) return QStringLiteral("<h3>Warnings</h3><p>None.</p>");
  QString text = QStringLiteral("<h3>Warnings</h3><ul>");
  for (const std::string& warning : warnings) {
    text += QStringLiteral("<li style=\"color:#b00000\">%1</li>").arg(Escaped(warning));
  }
  return text + QStringLiteral("</ul>");
}

}  // namespace

QString SheetHtml(const SheetModel& model) {
  if (!model.stands) {
    return QStringLiteral(
        "<p>No design stands. Enter the requirements in the calculator window and press "
        "Go.</p>");
  }
  return QStringLiteral("<h3>Parts</h3>") + PartsTable(model.parts) +
         Section("Output voltage", model.output) + Section("Operating point", model.operating) +
         Section("Losses", model.losses) + Warnings(model.warnings);
}

}  // namespace app::sheet
