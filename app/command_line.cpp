#include "app/command_line.h"

#include <QCommandLineParser>
#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <QStringList>
#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line_options.h"
#include "app/converter_choices.h"
#include "app/design_report.h"
#include "app/design_request.h"
#include "app/design_simulation.h"
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

// Reports a usage error on one line and gives its status.
int UsageError(const std::string& what, std::string_view help = "ra34063 --help") {
  Write(stderr, "ra34063: " + what + " (see '" + std::string(help) + "')\n");
  return kUsageError;
}

int DesignUsageError(const std::string& what) {
  return UsageError("design: " + what, "ra34063 design --help");
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

// Writes `text` whole or leaves the file as it was; false after reporting why.
bool WriteNetlist(const QString& path, const std::string& text) {
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) &&
      file.write(text.data(), static_cast<qint64>(text.size())) ==
          static_cast<qint64>(text.size()) &&
      file.commit()) {
    return true;
  }
  Write(stderr, "ra34063: The netlist could not be saved to “" +
                    Utf8(QDir::toNativeSeparators(path)) + "”: " + Utf8(file.errorString()) +
                    ".\n");
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
  if (parser.isSet(HelpOption())) {
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
  request.simulate = parser.isSet(o.simulate);
  const bool netlist = parser.isSet(o.netlist);

  ApplyRequest(window, request);
  DesignOutcome outcome = OutcomeOf(window);
  const auto converter =
      outcome.stands && (request.simulate || netlist) ? SheetConverter(window) : std::nullopt;
  std::optional<sim::SimResults> simulated;
  if (request.simulate && converter) {
    simulated = sim::Simulate(*converter);
    AddSimulation(*simulated, outcome);
  }
  Write(stderr, MessageLines(outcome));
  Write(stdout, parser.isSet(o.json) ? DesignJson(request, outcome) : DesignText(outcome));
  if (!outcome.stands) return kRefused;
  if (parser.isSet(o.sheet) && !WriteSheet(window, parser.value(o.sheet))) return kRefused;
  if (netlist) {
    if (!converter) {
      Write(stderr, "ra34063: The netlist was not saved: the design sheet shows no design.\n");
      return kRefused;
    }
    const sim::SimResults* run = simulated ? &*simulated : nullptr;
    if (!WriteNetlist(parser.value(o.netlist), SpiceDeck(*converter, run))) return kRefused;
  }
  return kSuccess;
}

}  // namespace

std::optional<int> RunCommandLine(int argc, char** argv) {
  if (argc <= 1) return std::nullopt;
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromUtf8(argv[i]);
  QCommandLineParser parser;
  parser.addOptions({HelpOption(), VersionOption()});
  // What follows the command is the command's own.
  parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
  if (!parser.parse(arguments)) return UsageError(Utf8(parser.errorText()));
  if (parser.isSet(HelpOption())) {
    Write(stdout, ProgramHelp());
    return kSuccess;
  }
  if (parser.isSet(VersionOption())) {
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
