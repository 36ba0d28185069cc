#include "app/command_line_options.h"

#include "app/design_request.h"

namespace app {
namespace {

QString QtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "  -h, --help          DESCRIPTION" lines, the descriptions in one column.
std::string OptionLines(const QList<QCommandLineOption>& options) {
  std::vector<std::pair<std::string, std::string>> rows;
  std::size_t width = 0;
  for (const QCommandLineOption& option : options) {
    std::string names;
    for (const QString& name : option.names()) {
      if (!names.empty()) names += ", ";
      names += (name.size() == 1 ? "-" : "--") + Utf8(name);
    }
    if (option.names().constFirst().size() > 1) names.insert(0, "    ");
    if (!option.valueName().isEmpty()) names += ' ' + Utf8(option.valueName());
    width = std::max(width, names.size());
    rows.emplace_back(names, Utf8(option.description()));
  }
  std::string out;
  for (const auto& [names, description] : rows) {
    out += "  ";
    out += names;
    out.append(width - names.size() + 2, ' ');
    out += description;
    out += '\n';
  }
  return out;
}

}  // namespace

const QCommandLineOption& HelpOption() {
  static const QCommandLineOption help({"h", "help"}, "show this help and exit");
  return help;
}

const QCommandLineOption& VersionOption() {
  static const QCommandLineOption version("version", "show the version and exit");
  return version;
}

std::string ProgramHelp() {
  return "Usage: ra34063\n"
         "  or:  ra34063 design [OPTION]...\n"
         "  or:  ra34063 --help | --version\n"
         "Without arguments, opens the calculator window.\n"
         "'ra34063 design' designs a converter as the window does, without a display,\n"
         "and prints its results and its design sheet's figures.\n\n" +
         OptionLines({HelpOption(), VersionOption()}) +
         "\nSee 'ra34063 design --help' for the options of a design.\n";
}

std::string DesignHelp(const DesignOptions& o) {
  return "Usage: ra34063 design [OPTION]...\n"
         "Designs a converter on the calculator window, without a display: chooses the\n"
         "converter, picks the rows given, types the fields given, presses Go, then\n"
         "types the hand edits.\n"
         "A field left out keeps what the window shows then; Vin, Vout, Iout and Vf start\n"
         "empty. Texts are typed as given, so \"0,4\" is 0.4 as in the window.\n\n"
         "Converter and rows: step-up is the converter at start. A row is named by the\n"
         "whole row or by a part that fits one row only, in any case, with runs of\n"
         "blanks as one.\n" +
         OptionLines(o.Rows()) + "\nFields:\n" + OptionLines(o.Fields()) + "\nHand edits:\n" +
         OptionLines({o.ct, o.r1}) + "\nOutput:\n" + OptionLines(o.Output()) +
         "\nExit status: 0 when a design stands, 1 when Go refuses it or a file cannot be\n"
         "written, 2 for a usage error. The message area's lines go to standard error.\n"
         "A file is written only when the design stands.\n";
}

DesignOptions::DesignOptions() {
  for (const FieldOption& field : FieldOptions()) {
    fields.emplace_back(QtText(field.option), QtText(field.description), QtText(field.value_name));
  }
}

std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace app
