// The program's command line, run as a script runs it: no display, the exit
// status, standard output and standard error.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <array>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <random>
#include <set>
#include <sstream>

#include "app/design_simulation.h"
#include "design/chip_limits.h"
#include "design/tolerance_classes.h"
#include "harness/window_driver.h"
#include "harness/worked_example.h"

namespace {

struct ProgramRun {
  int status = -1;
  std::string out, err;
};

// The program with no display to reach: a window made before the arguments
// are read would abort in Qt's xcb platform.
ProgramRun Program(const QStringList& arguments) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove("DISPLAY");
  environment.remove("WAYLAND_DISPLAY");
  environment.insert("QT_QPA_PLATFORM", "xcb");
  process.setProcessEnvironment(environment);
  process.start(RA34063_PROGRAM, arguments);
  process.waitForFinished(10000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardOutput().toStdString(),
          process.readAllStandardError().toStdString()};
}

const QStringList kWorkedExample = {"design", "--chip", "ON Semi MC34063A", "--vin", "5",
                                    "--vout", "12",     "--iout",           "0.1",   "--vf",
                                    "0.4"};

std::string FileText(const char* path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string Utf8(const QString& text) { return text.toStdString(); }

// As the replay prints a sheet figure: "%.6g", and "nan" for JSON's null.
std::string SixDigits(const QJsonValue& value) {
  if (value.isNull()) return "nan";
  std::array<char, 32> buffer{};
  const int n = std::snprintf(buffer.data(), buffer.size(), "%.6g", value.toDouble());
  return std::string(buffer.data(), static_cast<std::size_t>(n));
}

// The message area's text in lines, as the window shows them.
std::vector<std::string> MessageLines(std::string text) {
  std::vector<std::string> lines;
  std::string line;
  std::istringstream in(text);
  while (std::getline(in, line, '\r')) lines.push_back(line);
  return lines;
}

TEST(CommandLine, EveryExitStatusWithItsMessages) {
  const std::string design_help = " (see 'ra34063 design --help')\n";
  struct Case {
    QStringList arguments;
    int status;
    std::string out_start, err;
  };
  const Case cases[] = {
      {{"--help"}, 0, "Usage: ra34063\n", ""},
      {{"-h"}, 0, "Usage: ra34063\n", ""},
      {{"--version"}, 0, "ra34063 1.0.0\n", ""},
      {{"design", "--help"}, 0, "Usage: ra34063 design [OPTION]...\n", ""},
      {{"design", "--vin"}, 2, "", "ra34063: design: Missing value after '--vin'." + design_help},
      {{"design", "--colour", "red"},
       2,
       "",
       "ra34063: design: Unknown option 'colour'." + design_help},
      {{"design", "5"}, 2, "", "ra34063: design: unexpected argument '5'" + design_help},
      {{"simulate"}, 2, "", "ra34063: unknown command 'simulate' (see 'ra34063 --help')\n"},
      {{"--vin", "5"}, 2, "", "ra34063: Unknown option 'vin'. (see 'ra34063 --help')\n"},
      {{"design", "--chip", "MC34063A"},
       2,
       "",
       "ra34063: design: --chip 'MC34063A' fits several rows: \"ON Semi MC34063A 0 70 100kHz "
       "1.25V 3.2%\", \"TI MC34063A 0 70 100kHz 1.25V 3.2%\"" +
           design_help},
      {{"design", "--converter", "buck"},
       2,
       "",
       "ra34063: design: --converter 'buck' is none of step-up, step-down and inverting" +
           design_help},
      {{"design", "--capacitors", "E6"},
       2,
       "",
       "ra34063: design: --capacitors 'E6' fits no row" + design_help},
      // Go refuses: the fields left empty, then a text that is no number.
      {{"design"},
       1,
       "",
       "Vin (min) is not a number\nVout is not a number\nIout (max) is not a number\n"
       "Diode Vf is not a number\nVref is not a number\nChoose a device, or No error checking\n"},
      {kWorkedExample + QStringList{"--vin", "five"}, 1, "", "Vin (min) is not a number\n"},
      // The duty-cycle sentence runs into the next, as in the window.
      {{"design", "--chip", "NCP3066", "--vin", "4.5", "--vout", "40", "--iout", "0.5", "--vf",
        "0.4", "--freq", "200000"},
       1,
       "",
       "Required duty cycle of output switch exceeds Maximum of 0.857. Reduce Vout/Vin, Vsat or "
       "Vf, or use tapped inductor design as in AN920Peak switch current is 12.21Amps, greater "
       "than 1.5 Amp Maximum\n"},
  };
  for (const Case& c : cases) {
    const ProgramRun run = Program(c.arguments);
    const std::string what = Utf8(c.arguments.join(' '));
    EXPECT_EQ(run.status, c.status) << what;
    EXPECT_EQ(run.out.substr(0, c.out_start.size()), c.out_start) << what;
    EXPECT_EQ(run.err, c.err) << what;
  }
}

TEST(CommandLine, TheWorkedExampleAsText) {
  const ProgramRun run = Program(kWorkedExample);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, FileText(RA_CLI_GOLDEN_DIR "/worked_example.txt"));
  EXPECT_EQ(run.err, "");
}

TEST(CommandLine, TheWorkedExampleAsJsonWithACommaTypedAsTheWindowTakesIt) {
  const ProgramRun run = Program(kWorkedExample + QStringList{"--json", "--vf", "0,4"});
  ASSERT_EQ(run.status, 0);
  QJsonParseError error;
  const QJsonObject o =
      QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error).object();
  ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out;
  EXPECT_EQ(o["program"].toString(), "ra34063");
  EXPECT_EQ(o["version"].toString(), "1.0.0");
  EXPECT_EQ(o["converter"].toString(), "step-up");
  EXPECT_EQ(o["chip"].toString(), "ON Semi MC34063A 0 70 100kHz 1.25V 3.2%");
  EXPECT_EQ(o["resistors"].toString(), "±5% E24");
  EXPECT_EQ(o["capacitors"].toString(), "±10% E12");
  EXPECT_EQ(o["inputs"].toObject(),
            QJsonObject({{"vin", "5"}, {"vout", "12"}, {"iout", "0.1"}, {"vf", "0,4"}}));
  struct Result {
    const char* key;
    const char* text;
    double value;
    const char* unit;
  };
  const Result results[] = {
      {"ct", "820", 8.2e-10, "F"},
      {"rsc", "0.5", 0.5, "Ω"},
      {"l", "252.8", 2.528e-4, "H"},
      {"co", "180", 1.8e-4, "F"},
      {"r1", "1.6", 1600, "Ω"},
      {"r2", "13", 13000, "Ω"},
      {"accuracy", "0.4322 volts", 0.4322, "V"},
  };
  const QJsonObject shown = o["results"].toObject();
  EXPECT_EQ(shown.size(), 7);
  for (const Result& r : results) {
    const QJsonObject result = shown[r.key].toObject();
    EXPECT_EQ(result["text"].toString(), QString::fromUtf8(r.text)) << r.key;
    EXPECT_EQ(result["value"].toDouble(), r.value) << r.key;
    EXPECT_EQ(result["unit"].toString(), QString::fromUtf8(r.unit)) << r.key;
  }
  const QJsonObject sheet = o["sheet"].toObject();
  EXPECT_EQ(SixDigits(sheet["ipk"]), "0.6");
  EXPECT_EQ(SixDigits(sheet["rsc_buy"]), "0.39");
  EXPECT_EQ(SixDigits(sheet["efficiency"]), "0.683514");
  EXPECT_EQ(o["warnings"].toArray().size(), 1);
  EXPECT_TRUE(
      o["warnings"].toArray()[0].toString().startsWith("R1 1.6 kΩ and R2 13 kΩ give 11.4 V"));
  EXPECT_EQ(o["messages"].toArray(), QJsonArray());
}

TEST(CommandLine, HandEditsOfCtAndR1AfterGoWithTheR1Pause) {
  const ProgramRun run =
      Program(kWorkedExample + QStringList{"--ct", "150", "--r1", "2.2", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
  const QJsonObject results = o["results"].toObject();
  // L and Co follow the typed Ct; the divider, rescaled by 2.2 over 1.6,
  // gives R1 2.4 and R2 20.
  const std::pair<const char*, const char*> shown[] = {
      {"ct", "150"}, {"l", "46.2"}, {"co", "33"}, {"r1", "2.4"}, {"r2", "20"}};
  for (const auto& [key, text] : shown) {
    EXPECT_EQ(Utf8(results[key].toObject()["text"].toString()), text) << key;
  }
  EXPECT_EQ(SixDigits(o["sheet"].toObject()["ton"]), "3.75e-06");
  EXPECT_EQ(o["inputs"].toObject()["ct"].toString(), "150");
  EXPECT_EQ(o["inputs"].toObject()["r1"].toString(), "2.2");
  // A Ct that is no number leaves L and Co empty, with no value.
  const ProgramRun blank = Program(kWorkedExample + QStringList{"--ct", "2x", "--json"});
  const QJsonObject l = QJsonDocument::fromJson(QByteArray::fromStdString(blank.out))
                            .object()["results"]
                            .toObject()["l"]
                            .toObject();
  EXPECT_EQ(l["text"].toString(), "");
  EXPECT_TRUE(l["value"].isNull());
}

TEST(CommandLine, TheInvertingExampleWithTheWindowsOwnLabels) {
  const QStringList inverting = {"design", "--converter", "inverting", "--chip", "ON Semi MC34063A",
                                 "--vin",  "5",           "--vout",    "-12",    "--iout",
                                 "0.1",    "--vf",        "0.4"};
  const ProgramRun text = Program(inverting);
  EXPECT_EQ(text.status, 0) << text.err;
  EXPECT_EQ(text.out.substr(0, text.out.find("Output")),
            "Ct                 1000 pF\n"
            "Rsc                0.3447205 Ω\n"
            "L                  106.3 µH\n"
            "Co                 220 µF\n"
            "R1 (to −Vout)      1.6 kΩ\n"
            "R2 (to GND)        13 kΩ\n");
  const ProgramRun json = Program(inverting + QStringList{"--json"});
  EXPECT_EQ(QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object()["converter"],
            "inverting");
}

// The sheet is drawn offscreen, with no display either.
TEST(CommandLine, TheSheetWrittenToPdfReadsBack) {
  const QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString pdf = folder.filePath("sheet.pdf");
  const ProgramRun run = Program(kWorkedExample + QStringList{"--sheet", pdf});
  EXPECT_EQ(run.status, 0) << run.err;
  QProcess pdftotext;
  pdftotext.start("pdftotext", {"-layout", pdf, "-"});
  ASSERT_TRUE(pdftotext.waitForFinished(10000));
  const std::string text = pdftotext.readAllStandardOutput().toStdString();
  for (const char* shown : {"820 pF, E12", "0.39 Ω, E24", "≥ 126 µH", "1.6 kΩ"}) {
    EXPECT_NE(text.find(shown), std::string::npos) << shown << " not in\n" << text;
  }
  const ProgramRun text_file = Program(kWorkedExample + QStringList{"--sheet", pdf + ".txt"});
  EXPECT_EQ(text_file.status, 2);
  EXPECT_FALSE(QFileInfo::exists(pdf + ".txt"));
}

// The deck is the one the sheet's converter gives, the same day.
TEST(CommandLine, TheNetlistIsTheSheetsConverterAsADeck) {
  const QTemporaryDir folder;
  const QString deck = folder.filePath("design.cir");
  const ProgramRun run = Program(kWorkedExample + QStringList{"--netlist", deck});
  EXPECT_EQ(run.status, 0) << run.err;
  driver::WindowDriver window;
  worked::Design(window);
  EXPECT_EQ(FileText(deck.toUtf8().constData()),
            app::SpiceDeck(*app::SheetConverter(window), nullptr));
}

TEST(CommandLine, FilesAreWrittenOnlyForAStandingDesignOrSayWhyNot) {
  const QTemporaryDir folder;
  struct Case {
    const char* option;
    const char* name;
    std::string failure;
  };
  const Case cases[] = {{"--sheet", "sheet.svg", "ra34063: The sheet could not be saved to"},
                        {"--netlist", "design.cir", "ra34063: The netlist could not be saved to"}};
  for (const Case& c : cases) {
    const QString refused = folder.filePath(c.name);
    EXPECT_EQ(Program(kWorkedExample + QStringList{"--vin", "five", c.option, refused}).status, 1);
    EXPECT_FALSE(QFileInfo::exists(refused)) << c.option;
    const ProgramRun unwritable =
        Program(kWorkedExample + QStringList{c.option, folder.filePath("none/") + c.name});
    EXPECT_EQ(unwritable.status, 1) << c.option;
    // Qt may add notices of its own about the platform.
    EXPECT_NE(unwritable.err.find(c.failure), std::string::npos) << unwritable.err;
  }
}

// Every option the helps list, and only those, in the manual page and the
// bash completion.
TEST(CommandLine, TheManualPageAndTheCompletionKnowEveryOption) {
  const auto options = [](const std::string& text, const std::string& dashes) {
    std::set<std::string> found;
    for (std::size_t at = text.find(dashes); at != std::string::npos;
         at = text.find(dashes, at + 1)) {
      std::size_t end = at + dashes.size();
      while (end < text.size() && (std::isalnum(static_cast<unsigned char>(text[end])) != 0)) ++end;
      if (end > at + dashes.size() + 1)
        found.insert(text.substr(at + dashes.size(), end - at - dashes.size()));
    }
    return found;
  };
  std::set<std::string> listed = options(Program({"design", "--help"}).out, "--");
  EXPECT_TRUE(listed.contains("impedance"));
  listed.merge(options(Program({"--help"}).out, "--"));
  EXPECT_EQ(options(FileText(RA_DIST_DIR "/ra34063.bash-completion"), "--"), listed);
  // The manual page writes each dash as "\-".
  EXPECT_EQ(options(FileText(RA_DIST_DIR "/ra34063.1.in"), "\\-\\-"), listed);
}

// Every key of the JSON, nested ones included, is documented in the README.
TEST(CommandLine, TheReadmeNamesEveryJsonKey) {
  const std::string readme = FileText(RA_DIST_DIR "/../README.md");
  const QJsonObject o = QJsonDocument::fromJson(
                            QByteArray::fromStdString(
                                Program(kWorkedExample + QStringList{"--json", "--simulate"}).out))
                            .object();
  std::vector<QJsonObject> objects{o, o["results"].toObject(), o["sheet"].toObject(),
                                   o["results"].toObject()["ct"].toObject(),
                                   o["simulation"].toObject()};
  std::size_t keys = 0;
  for (const QJsonObject& object : objects) {
    for (const QString& key : object.keys()) {
      ++keys;
      EXPECT_NE(readme.find('`' + Utf8(key) + '`'), std::string::npos) << Utf8(key);
    }
  }
  EXPECT_GT(keys, 50u);
}

// The figures of one object of the program's JSON as the replay prints them,
// in the JSON's order: "KEY\tVALUE" lines, leaving out what is no number in
// the sheet, as the replay does; "none" for null.
std::string FigureLines(const std::string& json, const std::string& name) {
  const QJsonValue figures = QJsonDocument::fromJson(QByteArray::fromStdString(json))
                                 .object()[QString::fromStdString(name)];
  if (figures.isNull()) return "none\n";
  std::string out;
  std::istringstream lines(json.substr(json.find('"' + name + '"')));
  std::string line;
  std::getline(lines, line);
  while (std::getline(lines, line) && line.starts_with("    \"")) {
    const std::string key = line.substr(5, line.find('"', 5) - 5);
    const QJsonValue figure = figures.toObject()[QString::fromStdString(key)];
    if (!figure.isNull() || name != "sheet") out += key + '\t' + SixDigits(figure) + '\n';
  }
  return out;
}

std::string WarningsOf(const std::string& replayed) {
  std::string out, line;
  std::istringstream lines(replayed);
  while (std::getline(lines, line)) {
    if (line.starts_with("warning\t")) out += line + '\n';
  }
  return out;
}

std::string WithoutWarnings(const std::string& replayed) {
  std::string out, line;
  std::istringstream lines(replayed);
  while (std::getline(lines, line)) {
    if (!line.starts_with("warning\t")) out += line + '\n';
  }
  return out;
}

// One random design, given both as the command line's options and as replay
// lines; the window's replay and the program's JSON must agree on it.
struct RandomDesign {
  QStringList arguments{"design", "--json"};
  std::vector<std::string> replay;
  bool simulate = false;
};

RandomDesign MakeRandomDesign(std::mt19937& random) {
  const auto pick = [&](auto const& choices) {
    return choices[std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(random)];
  };
  const auto chance = [&](int percent) {
    return std::uniform_int_distribution<int>(0, 99)(random) < percent;
  };
  RandomDesign d;
  const char* converter = pick(std::array{"step-up", "step-down", "inverting"});
  d.arguments << "--converter" << converter;
  d.replay.push_back(std::string("converter ") + converter);
  const bool inverting = converter == std::string("inverting");
  const auto& chips = design::ChipPopupRows();
  // Mostly a chip; the whole row, as a script takes it from the JSON.
  const std::int32_t chip =
      chance(90) ? std::uniform_int_distribution<std::int32_t>(1, 22)(random) : 0;
  std::string row{chips[static_cast<std::size_t>(chip)]};
  d.arguments << "--chip" << QString::fromStdString(row);
  d.replay.push_back("pick DeviceLimitsPU " + std::to_string(chip));
  for (const char* popup : {"PerPU", "CPerPU"}) {
    const std::int32_t c = std::uniform_int_distribution<std::int32_t>(0, 7)(random);
    d.arguments << (popup == std::string("PerPU") ? "--resistors" : "--capacitors")
                << QString::fromUtf8(
                       design::ToleranceClasses()[static_cast<std::size_t>(c)].text.data());
    d.replay.push_back(std::string("pick ") + popup + " " + std::to_string(c));
  }
  struct Field {
    const char* option;
    const char* name;
    std::vector<const char*> texts;
  };
  const Field fields[] = {
      {"vin", "VinEF", {"5", "3.3", "9", "12", "4,5"}},
      {"vout", "VoutEF", {"12", "15", "3.3", "5", "40"}},
      {"freq", "FreqEF", {"33000", "50000", "100000", "20000"}},
      {"iout", "IoutEF", {"0.1", "0.05", "0.2", "0,15"}},
      {"ripple", "VripEF", {"0.1", "0.05", "0.02"}},
      {"vsat", "VsatEF", {"1.3", "1", "0.8"}},
      {"vf", "VfEF", {"0.4", "0.8", "0,5"}},
      {"impedance", "R1R2impEF", {"1500", "1000", "4700"}},
      {"tempco", "RTempcoEF", {"200", "50", "100"}},
  };
  for (const Field& f : fields) {
    if (!chance(85)) continue;
    std::string text = pick(f.texts);
    if (inverting && f.option == std::string("vout")) text = "-" + text;
    d.arguments << QString("--") + f.option << QString::fromStdString(text);
    d.replay.push_back(std::string("type ") + f.name + " " + text);
  }
  d.replay.push_back("go");
  if (chance(30)) {
    const std::string ct = pick(std::array{"150", "470", "1000", "2x"});
    d.arguments << "--ct" << QString::fromStdString(ct);
    d.replay.push_back("type CtST " + ct);
  }
  if (chance(30)) {
    const std::string r1 = pick(std::array{"2.2", "1", "0,82", "10"});
    d.arguments << "--r1" << QString::fromStdString(r1);
    d.replay.push_back("r1 " + r1);
    d.replay.push_back("advance 800");
  }
  d.simulate = chance(25);
  if (d.simulate) d.arguments << "--simulate";
  return d;
}

TEST(CommandLine, TheJsonAgreesWithTheWindowsReplayOnRandomDesigns) {
  std::mt19937 random(25);
  int standing = 0;
  for (int i = 0; i < 40; ++i) {
    const RandomDesign d = MakeRandomDesign(random);
    driver::WindowDriver window;
    std::string replayed;
    for (const std::string& line : d.replay) ASSERT_TRUE(window.Apply(line, replayed)) << line;
    const std::string what = Utf8(d.arguments.join(' '));
    const ProgramRun run = Program(d.arguments);
    const bool stands = window.State().DesignStands;
    standing += stands;
    EXPECT_EQ(run.status, stands ? 0 : 1) << what;
    const QJsonObject o = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
    const QJsonObject results = o["results"].toObject();
    const std::pair<const char*, const char*> shown[] = {
        {"ct", "CtST"}, {"rsc", "RscST"},        {"l", "LST"}, {"co", "CoST"}, {"r1", "R1EF"},
        {"r2", "R2ST"}, {"accuracy", "OutAccST"}};
    for (const auto& [key, control] : shown) {
      EXPECT_EQ(Utf8(results[key].toObject()["text"].toString()), window.Text(control)) << what;
    }
    // The replay's "sheet" and "simulate": figure lines, then warning lines.
    std::string warnings;
    for (const QJsonValue& w : o["warnings"].toArray()) {
      warnings += "warning\t" + Utf8(w.toString()) + '\n';
    }
    // The replay names the converter before a standing design's figures.
    const std::string converter =
        o["sheet"].isNull() ? "" : "converter\t" + Utf8(o["converter"].toString()) + '\n';
    const std::string sheet = converter + FigureLines(run.out, "sheet");
    const std::string expected = window.Sheet() + (d.simulate ? window.Simulation() : "");
    const std::string figures = d.simulate ? sheet + FigureLines(run.out, "simulation") : sheet;
    // Both tell the warnings apart only by where they stand.
    EXPECT_EQ(figures + warnings, WithoutWarnings(expected) + WarningsOf(expected)) << what;
    std::vector<std::string> messages;
    for (const QJsonValue& m : o["messages"].toArray()) messages.push_back(Utf8(m.toString()));
    EXPECT_EQ(messages, MessageLines(window.Text("ErrorOut"))) << what;
    std::string err;
    for (const std::string& m : messages) err += m + '\n';
    EXPECT_EQ(run.err, err) << what;
  }
  // The sample holds both outcomes.
  EXPECT_GT(standing, 5);
  EXPECT_LT(standing, 35);
}

}  // namespace
