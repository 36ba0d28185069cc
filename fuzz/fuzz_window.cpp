// Any sequence of user actions on the headless calculator window: every
// handler returns, the message area holds only the check sentences in their
// order, each action changes only the texts it may change, no part shows a
// value that is none, "inf" or "nan", results stand only for the requirements
// of the last Go that passed in the topology chosen, and a tempco that is no number at or above 0
// shows its sentence and no accuracy while a design stands. The design sheet
// stands with the design and writes every figure as a number or a dash. A
// sample of the designs is simulated: every figure comes out a number.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <exception>
#include <limits>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/converter_choices.h"
#include "app/sheet_model.h"
#include "design/field_names.h"
#include "design/number_reading.h"
#include "framework/popup_menu.h"
#include "framework/static_text.h"
#include "framework/text.h"
#include "framework/text_field.h"
#include "fuzz/check.h"
#include "fuzz/window_actions.h"
#include "harness/check_sentences.h"
#include "harness/window_driver.h"
#include "sim/sheet_converter.h"
#include "sim/simulation.h"

namespace {

using Texts = std::map<std::string, std::string, std::less<>>;

constexpr int kTimerPeriodMs = 800;

// Every text field, label and popup by name, with the text it shows.
Texts Snapshot(driver::WindowDriver& window) {
  Texts texts;
  for (const fw::Control* c : window.Window().Controls()) {
    if (dynamic_cast<const fw::TextField*>(c) != nullptr ||
        dynamic_cast<const fw::StaticText*>(c) != nullptr ||
        dynamic_cast<const fw::PopupMenu*>(c) != nullptr) {
      texts.emplace(c->Name(), window.Text(c->Name()));
    }
  }
  return texts;
}

const std::set<std::string, std::less<>> kResults = {"CtST", "RscST", "LST",      "CoST",
                                                     "R1EF", "R2ST",  "OutAccST", "ErrorOut"};

// The results computed from a design, never typed.
constexpr std::string_view kComputed[] = {"RscST", "LST", "CoST", "R2ST", "OutAccST"};

// A change of these ends the design shown.
bool EndsTheDesign(const fuzz::Action& action) {
  using Kind = fuzz::Action::Kind;
  if (action.kind == Kind::kPick) return action.name == "DeviceLimitsPU";
  if (action.kind != Kind::kType) return false;
  return action.name != "RTempcoEF" && action.name != "CtST" && action.name != "R1EF";
}

// A negative number, a rounding code, an infinity or NaN is no part; nor is
// zero, but for the inductor and the accuracy, whose patterns may round a
// small value to 0.
bool ShowsAPartOrNothing(std::string_view name, const std::string& text) {
  if (text.empty()) return true;
  if (text.find("inf") != std::string::npos || text.find("nan") != std::string::npos) return false;
  const double value = fw::Val(text);
  if (name == "LST" || name == "OutAccST") return !(value < 0.0);
  return !(value <= 0.0);
}

// The texts an action may change besides the results.
std::set<std::string, std::less<>> AlsoChanging(const fuzz::Action& action, bool timer_may_fire) {
  using Kind = fuzz::Action::Kind;
  std::set<std::string, std::less<>> names;
  if (action.kind == Kind::kType || action.kind == Kind::kPick) names.insert(action.name);
  if (action.kind == Kind::kPick && action.name == "DeviceLimitsPU") {
    names.insert(
        {"TmpMinEF", "TmpMaxEF", "VrefEF", "DutyMaxST", "IswMaxST", "SwFreqMaxST", "TolST"});
  }
  if (action.kind == Kind::kConverter) {
    names.insert({std::string(design::field::kR1Label), std::string(design::field::kR2Label)});
  }
  if (timer_may_fire) names.insert("R1R2impEF");
  return names;
}

// The sentence a standing design shows for the tempco field's text.
std::string TempcoSentence(const std::string& tempco) {
  if (design::IsAmbiguousComma(tempco))
    return design::UnreadableSentence("Resistor Tempco.", tempco);
  if (!fw::IsNumber(tempco)) return "Resistor Tempco. is not a number\r";
  return fw::Val(tempco) < 0.0 ? "Resistor Tempco. must not be negative\r" : "";
}

// The requirement fields with the least each must hold for Go to take it.
struct Requirement {
  std::string_view name;
  double above;  // the value must be above this (-inf: any number)
};
constexpr double kAny = -std::numeric_limits<double>::infinity();
constexpr Requirement kRequirements[] = {
    {"VinEF", 0.0},     {"VoutEF", kAny},   {"FreqEF", 0.0},    {"IoutEF", 0.0},
    {"VripEF", 0.0},    {"VsatEF", kAny},   {"VfEF", kAny},     {"VrefEF", 0.0},
    {"R1R2impEF", 0.0}, {"TmpMinEF", kAny}, {"TmpMaxEF", kAny}, {"RTempcoEF", kAny}};

// A result display with the width it shows in full: a number of at most 12
// characters, or for the accuracy such a text ending in " volts".
bool FitsItsDisplay(std::string_view name, std::string_view text) {
  if (text.empty()) return true;
  if (fw::Len(text) > 12) return false;
  if (name == "OutAccST") {
    if (!text.ends_with(" volts")) return false;
    text.remove_suffix(6);
  }
  return fw::IsNumber(text);
}

// What a standing design says of its empty results, less a refused R1's
// sentence at its end: the Ct's sentences, then the accuracy's.
struct DesignNote {
  std::string ct;        // "Ct ..." or the L and Co "would be" sentences
  std::string accuracy;  // the tempco's, the 100% one or the accuracy's width
};

DesignNote SplitNote(std::string_view messages, design::Topology topology) {
  DesignNote note;
  const auto next = [&messages] {
    const auto end = messages.find('\r');
    const std::string_view sentence = messages.substr(0, end == messages.npos ? end : end + 1);
    messages.remove_prefix(sentence.size());
    return std::string(sentence);
  };
  while (messages.starts_with("Ct ") || messages.starts_with("L would be ") ||
         messages.starts_with("Co would be ")) {
    note.ct += next();
  }
  if (!messages.empty() && !messages.starts_with(design::DividerNamesOf(topology).r1)) {
    note.accuracy = next();
  }
  return note;
}

std::string Number(int value) {
  std::array<char, 16> digits{};
  const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  return std::string(digits.data(), written.ptr);
}

// The actions as a replay scenario (harness/replay.cpp), one action a line, to reproduce a
// fault by hand.
std::string ToScenario(const std::vector<fuzz::Action>& actions) {
  std::string out;
  for (const fuzz::Action& a : actions) {
    switch (a.kind) {
      case fuzz::Action::Kind::kType:
        out += "type " + a.name + " " + driver::Escape(a.text);
        break;
      case fuzz::Action::Kind::kPick:
        out += "pick " + a.name + " " + Number(a.row);
        break;
      case fuzz::Action::Kind::kGo:
        out += "go";
        break;
      case fuzz::Action::Kind::kR1Key:
        out += "r1 " + driver::Escape(a.text);
        break;
      case fuzz::Action::Kind::kAdvance:
        out += "advance " + Number(a.ms);
        break;
      case fuzz::Action::Kind::kConverter:
        out += "converter " + std::string(app::ChoiceFor(a.topology).word);
        break;
    }
    out += "\n";
  }
  return out;
}

void Apply(driver::WindowDriver& window, const fuzz::Action& action) {
  using Kind = fuzz::Action::Kind;
  switch (action.kind) {
    case Kind::kType:
      window.Type(action.name, action.text);
      break;
    case Kind::kPick:
      window.Pick(action.name, action.row);
      break;
    case Kind::kGo:
      window.Go();
      break;
    case Kind::kR1Key:
      window.KeyInR1(action.text);
      break;
    case Kind::kAdvance:
      window.Advance(action.ms);
      break;
    case Kind::kConverter:
      window.ChooseConverter(action.topology);
      break;
  }
}

// The converter the sheet draws runs to its end (the step budget bounds
// its time), and gives numbers: the settling time alone may be none, when
// the design has not settled.
void CheckSimulation(const app::HeadlessWindow::StandingSheet& sheet, const std::string& scenario) {
  const sim::SimResults r = sim::Simulate(sim::ConverterOf(sheet.inputs, sheet.figures));
  if (!r.ran) return;
  for (const auto& [key, value] : sim::SimKeyValues(r.figures)) {
    const bool may_be_none = key == "sim_settle" && !r.settled;
    FUZZ_CHECK(std::isfinite(value) || (may_be_none && std::isnan(value)), "%s is %g in:\n%s",
               std::string(key).c_str(), value, scenario.c_str());
  }
  for (const std::string& w : r.warnings) {
    FUZZ_CHECK(w.find("inf") == std::string::npos && w.find("nan") == std::string::npos,
               "the simulation says '%s' in:\n%s", w.c_str(), scenario.c_str());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto actions = fuzz::DecodeActions(std::span(data, size));
  driver::WindowDriver window;
  for (const fuzz::PopupRows& popup : fuzz::kPopups) {
    FUZZ_CHECK(window.Window().Popup(popup.name).ListCount() == popup.rows, "%s has other rows",
               popup.name);
  }
  Texts before = Snapshot(window);
  // Milliseconds until the R1 timer fires; negative while it is off.
  int timer_due = -1;
  // Whether the last Go passed and no requirement changed since.
  bool design_stands = false;
  // What was last typed into the two result fields the user may edit.
  std::map<std::string, std::string, std::less<>> typed;
  // The requirement fields whose text the program wrote last.
  std::set<std::string, std::less<>> program_wrote;
  for (std::size_t k = 0; k < actions.size(); ++k) {
    const fuzz::Action& action = actions[k];
    const design::Topology topology_before = window.State().Converter;
    try {
      Apply(window, action);
    } catch (const std::exception& e) {
      FUZZ_FAIL("action %zu threw '%s' in:\n%s", k, e.what(), ToScenario(actions).c_str());
    }
    const bool advancing = action.kind == fuzz::Action::Kind::kAdvance;
    const auto allowed = AlsoChanging(action, advancing && timer_due >= 0);
    const int before_due = timer_due;
    if (action.kind == fuzz::Action::Kind::kR1Key) timer_due = kTimerPeriodMs;
    // The timer fires once its period has passed in full.
    if (advancing && timer_due >= 0)
      timer_due = action.ms >= timer_due ? -1 : timer_due - action.ms;
    const Texts after = Snapshot(window);
    for (const auto& [name, text] : after) {
      const auto was = before.find(name);
      FUZZ_CHECK(was != before.end(), "control %s appeared", name.c_str());
      if (was->second == text || kResults.contains(name) || allowed.contains(name)) continue;
      FUZZ_FAIL("action %zu changed %s from '%s' to '%s' in:\n%s", k, name.c_str(),
                was->second.c_str(), text.c_str(), ToScenario(actions).c_str());
    }
    const std::string& errors = after.at("ErrorOut");
    const design::Topology topology = window.State().Converter;
    FUZZ_CHECK(action.kind != fuzz::Action::Kind::kConverter || topology == action.topology,
               "action %zu chose no converter in:\n%s", k, ToScenario(actions).c_str());
    FUZZ_CHECK(checks::OnlyCheckSentences(errors, window.State().IswMAX, topology),
               "messages '%s' after:\n%s", driver::Escape(errors).c_str(),
               ToScenario(actions).c_str());
    const bool timer_fired = advancing && timer_due < 0 && before_due >= 0;
    if (action.kind != fuzz::Action::Kind::kGo && !design_stands) {
      FUZZ_CHECK(errors.empty() || errors == before.at("ErrorOut"),
                 "action %zu wrote messages without a design in:\n%s", k,
                 ToScenario(actions).c_str());
    }
    if (action.kind == fuzz::Action::Kind::kType || action.kind == fuzz::Action::Kind::kR1Key) {
      typed[action.kind == fuzz::Action::Kind::kType ? action.name : "R1EF"] = action.text;
    }
    if (action.kind == fuzz::Action::Kind::kGo) {
      // A Go that passed may say why it shows no accuracy.
      design_stands =
          !after.at("CtST").empty() && (errors.empty() || checks::IsDesignNote(errors, topology));
      FUZZ_CHECK(design_stands == window.State().DesignStands, "Go: design %d, '%s' in:\n%s",
                 window.State().DesignStands, driver::Escape(errors).c_str(),
                 ToScenario(actions).c_str());
      // A field named, or no chip: nothing else is checked and nothing sized.
      const bool field_check = checks::IsFieldCheck(errors, topology);
      FUZZ_CHECK(!field_check || !window.State().DesignStands, "a design stands after '%s' in:\n%s",
                 driver::Escape(errors).c_str(), ToScenario(actions).c_str());
      for (const std::string& name : kResults) {
        FUZZ_CHECK(!field_check || name == "ErrorOut" || after.at(name).empty(),
                   "%s shows '%s' after '%s' in:\n%s", name.c_str(), after.at(name).c_str(),
                   driver::Escape(errors).c_str(), ToScenario(actions).c_str());
      }
    }
    // An edit that leaves the text as it was raises no change.
    const bool ended =
        (EndsTheDesign(action) && (action.kind == fuzz::Action::Kind::kPick ||
                                   before.at(action.name) != after.at(action.name))) ||
        topology != topology_before;
    if (ended) design_stands = false;
    if (design_stands) {
      const DesignNote note = SplitNote(errors, topology);
      const std::string_view rest =
          std::string_view(errors).substr(note.ct.size() + note.accuracy.size());
      // A refused R1 adds its sentence as the pause ends, until the next edit.
      FUZZ_CHECK(rest.empty() ||
                     (rest.starts_with(std::string(design::DividerNamesOf(topology).r1) + " ") &&
                      rest.ends_with('\r') && (timer_fired || errors == before.at("ErrorOut"))),
                 "action %zu: messages '%s' in:\n%s", k, driver::Escape(errors).c_str(),
                 ToScenario(actions).c_str());
      const std::string tempco = TempcoSentence(after.at("RTempcoEF"));
      FUZZ_CHECK(tempco.empty() || (note.accuracy == tempco && after.at("OutAccST").empty()),
                 "tempco '%s' shows '%s' and accuracy '%s' in:\n%s",
                 driver::Escape(after.at("RTempcoEF")).c_str(), driver::Escape(errors).c_str(),
                 after.at("OutAccST").c_str(), ToScenario(actions).c_str());
      // A Ct the user typed that sizes nothing is named first.
      const std::string& ct = after.at("CtST");
      const bool ct_typed = typed.contains("CtST") && typed.at("CtST") == ct;
      const auto ct_pf = design::StrictNumber(ct);
      const bool ct_sizes = ct_pf && *ct_pf >= 10.0 && *ct_pf <= 100000.0;
      FUZZ_CHECK(ct_sizes || !ct_typed || note.ct.starts_with("Ct "),
                 "action %zu: Ct '%s' with '%s' in:\n%s", k, driver::Escape(ct).c_str(),
                 driver::Escape(errors).c_str(), ToScenario(actions).c_str());
      // Every empty result is explained, but R2 in the R1 pause, a Ct the
      // program blanked, and the accuracy while the Ct sizes nothing.
      const bool ct_named = note.ct.starts_with("Ct ");
      const std::pair<std::string_view, bool> explained[] = {
          {"CtST", ct_named || !ct_typed},
          {"RscST", false},
          {"LST", ct_named || note.ct.find("L would be ") != std::string::npos},
          {"CoST", ct_named || note.ct.find("Co would be ") != std::string::npos},
          {"R2ST", ct_named || timer_due >= 0},
          {"OutAccST", ct_named || !note.accuracy.empty()}};
      for (const auto& [name, why] : explained) {
        FUZZ_CHECK(!after.at(std::string(name)).empty() || why,
                   "action %zu: %s empty with '%s' in:\n%s", k, std::string(name).c_str(),
                   driver::Escape(errors).c_str(), ToScenario(actions).c_str());
      }
    }
    // No requirement holds a text the program wrote that Go would refuse.
    for (const Requirement& r : kRequirements) {
      const std::string name(r.name);
      const std::string& text = after.at(name);
      if (action.kind == fuzz::Action::Kind::kType && action.name == name) {
        program_wrote.erase(name);
      } else if (text != before.at(name)) {
        program_wrote.insert(name);
      }
      if (!program_wrote.contains(name)) continue;
      const auto value = design::StrictNumber(text);
      FUZZ_CHECK(value && *value > r.above, "action %zu wrote '%s' into %s in:\n%s", k,
                 driver::Escape(text).c_str(), std::string(r.name).c_str(),
                 ToScenario(actions).c_str());
    }
    for (const std::string& name : kResults) {
      const std::string& text = after.at(name);
      if (ended) {
        FUZZ_CHECK(text.empty(), "action %zu left %s '%s' in:\n%s", k, name.c_str(), text.c_str(),
                   ToScenario(actions).c_str());
      }
      const bool computed = std::ranges::find(kComputed, name) != std::end(kComputed);
      FUZZ_CHECK(design_stands || !computed || text.empty(),
                 "action %zu shows %s '%s' without a design in:\n%s", k, name.c_str(), text.c_str(),
                 ToScenario(actions).c_str());
      const auto typed_text = typed.find(name);
      if (name == "ErrorOut" || (typed_text != typed.end() && typed_text->second == text)) continue;
      FUZZ_CHECK(ShowsAPartOrNothing(name, text), "action %zu shows %s '%s' in:\n%s", k,
                 name.c_str(), text.c_str(), ToScenario(actions).c_str());
      FUZZ_CHECK(FitsItsDisplay(name, text), "action %zu shows %s '%s', too wide, in:\n%s", k,
                 name.c_str(), text.c_str(), ToScenario(actions).c_str());
    }
    const app::SheetModel sheet = app::SheetModelOf(window.Window());
    FUZZ_CHECK(sheet.stands == design_stands && (!sheet.stands || sheet.topology == topology),
               "action %zu: sheet %d, design %d in:\n%s", k, sheet.stands, design_stands,
               ToScenario(actions).c_str());
    // One Go's design in four: a simulation takes milliseconds, an action microseconds.
    static unsigned designs = 0;
    if (sheet.stands && action.kind == fuzz::Action::Kind::kGo && ++designs % 4 == 0) {
      if (const auto standing = window.DesignSheet())
        CheckSimulation(*standing, ToScenario(actions));
    }
    if (sheet.stands) {
      const std::string& text = sheet.plain_text;
      FUZZ_CHECK(text.find("inf") == std::string::npos && text.find("nan") == std::string::npos,
                 "action %zu: the sheet reads\n%s\nin:\n%s", k, text.c_str(),
                 ToScenario(actions).c_str());
    }
    before = after;
  }
  return 0;
}
