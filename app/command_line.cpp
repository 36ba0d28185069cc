#include "app/command_line.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>
#include <string>
#include <vector>

#include "app/converter_choices.h"
#include "app/design_report.h"
#include "app/design_request.h"
#include "app/headless_window.h"
#include "app/row_match.h"
#include "app/sheet_view/sheet_export.h"
#include "design/field_names.h"
#include "framework/popup_menu.h"

#ifndef RA_VERSION
#error "RA_VERSION is set by the build"
#endif

namespace app {
namespace {

constexpr int kSuccess = 0;  // a design stands, or help or the version was shown
constexpr int kRefused = 1;
constexpr int kUsageError = 2;

void Write(std::FILE* stream, const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stream);
}

std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }
QString QtText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Reports a usage error on one line and gives its status.
int UsageError(const std::string& what, std::string_view help = "ra34063 --help") {
  Write(stderr, "ra34063: " + what + " (see '" + std::string(help) + "')\n");
  return kUsageError;
}

int DesignUsageError(const std::string& what) {
  return UsageError("design: " + what, "ra34063 design --help");
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

const QCommandLineOption kHelp({"h", "help"}, "show this help and exit");
const QCommandLineOption kVersion("version", "show the version and exit");

std::string ProgramHelp() {
  return "Usage: ra34063\n"
         "  or:  ra34063 design [OPTION]...\n"
         "  or:  ra34063 --help | --version\n"
         "Without arguments, opens the calculator window.\n"
         "'ra34063 design' designs a converter as the window does, without a display,\n"
         "and prints its results and its design sheet's figures.\n\n" +
         OptionLines({kHelp, kVersion}) +
         "\nSee 'ra34063 design --help' for the options of a design.\n";
}

struct DesignOptions {
  QCommandLineOption converter{"converter", "step-up, step-down or inverting", "TOPOLOGY"};
  QCommandLineOption chip{"chip", "the chip popup's row", "TEXT"};
  QCommandLineOption resistors{"resistors", "the resistor tolerance popup's row", "TEXT"};
  QCommandLineOption capacitors{"capacitors", "the capacitor tolerance popup's row", "TEXT"};
  std::vector<QCommandLineOption> fields;
  QCommandLineOption ct{"ct", "Ct typed after Go", "PF"};
  QCommandLineOption r1{"r1", "R1 (to GND) typed after Go, then the pause", "KOHM"};
  QCommandLineOption json{"json", "write one JSON object instead of text"};
  QCommandLineOption sheet{"sheet", "write the design sheet to FILE: .pdf, .svg or .png", "FILE"};

  DesignOptions() {
    for (const FieldOption& field : FieldOptions()) {
      fields.emplace_back(QtText(field.option), QtText(field.description),
                          QtText(field.value_name));
    }
  }
  QList<QCommandLineOption> Rows() const { return {converter, chip, resistors, capacitors}; }
  QList<QCommandLineOption> Fields() const { return {fields.begin(), fields.end()}; }
  QList<QCommandLineOption> Output() const { return {json, sheet, kHelp}; }
};

std::string DesignHelp(const DesignOptions& o) {
  return "Usage: ra34063 design [OPTION]...\n"
         "Designs a converter on the calculator window, without a display: chooses the\n"
         "converter, picks the rows given, types the fields given, presses Go, then\n"
         "types the hand edits.\n"
         "A field left out keeps what the window shows then; Vin, Vout, Iout and Vf start\n"
         "empty. Texts are typed as given, so \"0,4\" is 0.4 as in the window.\n\n"
         "A row is named by the whole row or by a part that fits one row only, in any\n"
         "case, with runs of blanks as one. Step-up is the converter at start.\n" +
         OptionLines(o.Rows()) + "\nFields:\n" + OptionLines(o.Fields()) + "\nHand edits:\n" +
         OptionLines({o.ct, o.r1}) + "\nOutput:\n" + OptionLines(o.Output()) +
         "\nExit status: 0 when a design stands, 1 when Go refuses it or a file cannot be\n"
         "written, 2 for a usage error. The message area's lines go to standard error.\n"
         "A file is written only when the design stands.\n";
}

// The Converter menu's item the option names; false after reporting a usage
// error.
bool ChooseConverter(const QCommandLineParser& parser, const QCommandLineOption& option,
                     std::optional<design::Topology>& topology) {
  if (!parser.isSet(option)) return true;
  const std::string word = Utf8(parser.value(option));
  for (const ConverterChoice& choice : kConverterChoices) {
    if (choice.word == word) {
      topology = choice.topology;
      return true;
    }
  }
  DesignUsageError("--converter '" + word + "' is none of step-up, step-down and inverting");
  return false;
}

// The popup row the option's text names; false after reporting a usage error.
bool PickRow(const QCommandLineParser& parser, const QCommandLineOption& option,
             const std::vector<std::string>& rows, std::optional<std::int32_t>& row) {
  if (!parser.isSet(option)) return true;
  const std::string text = Utf8(parser.value(option));
  const std::string name = "--" + Utf8(option.names().constFirst());
  const std::vector<std::int32_t> fits = RowsFitting(rows, text);
  if (fits.size() == 1) {
    row = fits.front();
    return true;
  }
  std::string listed;
  for (std::int32_t i : fits) {
    listed +=
        (listed.empty() ? "\"" : ", \"") + CollapsedBlanks(rows[static_cast<std::size_t>(i)]) + '"';
  }
  if (fits.empty()) {
    DesignUsageError(name + " '" + text + "' fits no row");
  } else {
    DesignUsageError(name + " '" + text + "' fits several rows: " + listed);
  }
  return false;
}

// The sheet drawn on Qt's offscreen platform, which needs no display; false
// after reporting why it was not written.
bool WriteSheet(const HeadlessWindow& window, const QString& path) {
  int argc = 3;
  char program[] = "ra34063", option[] = "-platform", platform[] = "offscreen";
  char* argv[] = {program, option, platform, nullptr};
  const QGuiApplication gui(argc, argv);
  const QString failure = sheet::ExportSheet(window.Window(), path);
  if (failure.isEmpty()) return true;
  Write(stderr, "ra34063: " + Utf8(failure) + '\n');
  return false;
}

int RunDesignCommand(const QStringList& arguments) {
  const DesignOptions o;
  QCommandLineParser parser;
  parser.addOptions(o.Rows());
  parser.addOptions(o.Fields());
  parser.addOptions({o.ct, o.r1});
  parser.addOptions(o.Output());
  if (!parser.parse(arguments)) return DesignUsageError(Utf8(parser.errorText()));
  if (parser.isSet(kHelp)) {
    Write(stdout, DesignHelp(o));
    return kSuccess;
  }
  if (!parser.positionalArguments().isEmpty()) {
    return DesignUsageError("unexpected argument '" +
                            Utf8(parser.positionalArguments().constFirst()) + "'");
  }
  if (parser.isSet(o.sheet) && !sheet::IsSheetFileName(parser.value(o.sheet))) {
    return DesignUsageError("--sheet '" + Utf8(parser.value(o.sheet)) +
                            "' does not end in .pdf, .svg or .png");
  }
  HeadlessWindow window;
  DesignRequest request;
  const auto rows = [&](std::string_view popup) { return window.Window().Popup(popup).Rows(); };
  if (!ChooseConverter(parser, o.converter, request.converter) ||
      !PickRow(parser, o.chip, rows(design::field::kChipPopup), request.chip_row) ||
      !PickRow(parser, o.resistors, rows(design::field::kResistorClassPopup),
               request.resistor_row) ||
      !PickRow(parser, o.capacitors, rows(design::field::kCapacitorClassPopup),
               request.capacitor_row)) {
    return kUsageError;
  }
  for (std::size_t i = 0; i < o.fields.size(); ++i) {
    if (parser.isSet(o.fields[i])) {
      request.typed.emplace_back(&FieldOptions()[i], Utf8(parser.value(o.fields[i])));
    }
  }
  if (parser.isSet(o.ct)) request.ct = Utf8(parser.value(o.ct));
  if (parser.isSet(o.r1)) request.r1 = Utf8(parser.value(o.r1));

  ApplyRequest(window, request);
  const DesignOutcome outcome = OutcomeOf(window);
  Write(stderr, MessageLines(outcome));
  Write(stdout, parser.isSet(o.json) ? DesignJson(request, outcome) : DesignText(outcome));
  if (!outcome.stands) return kRefused;
  if (parser.isSet(o.sheet) && !WriteSheet(window, parser.value(o.sheet))) return kRefused;
  return kSuccess;
}

}  // namespace

std::optional<int> RunCommandLine(int argc, char** argv) {
  if (argc <= 1) return std::nullopt;
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromUtf8(argv[i]);
  QCommandLineParser parser;
  parser.addOptions({kHelp, kVersion});
  // What follows the command is the command's own.
  parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
  if (!parser.parse(arguments)) return UsageError(Utf8(parser.errorText()));
  if (parser.isSet(kHelp)) {
    Write(stdout, ProgramHelp());
    return kSuccess;
  }
  if (parser.isSet(kVersion)) {
    Write(stdout, "ra34063 " RA_VERSION "\n");
    return kSuccess;
  }
  const QStringList rest = parser.positionalArguments();
  if (rest.isEmpty()) return std::nullopt;
  if (rest.constFirst() != "design") {
    return UsageError("unknown command '" + Utf8(rest.constFirst()) + "'");
  }
  return RunDesignCommand(QStringList{"ra34063 design"} + rest.mid(1));
}

}  // namespace app
