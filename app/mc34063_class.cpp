// What the runtime knows of the window class and its timer class.
#include <memory>

#include "app/control_table.h"
#include "app/mc34063.h"
#include "app/ui_timer.h"
#include "design/field_names.h"

namespace app {
namespace {

constexpr std::string_view kPlain = "(  )";

std::vector<fw::ClassMember> Members() {
  std::vector<fw::ClassMember> members{
      {"Layout", "(  )"},
      {"CreateControls", "(  )"},
      {"_CreateControls0", "(  )", true},
      {"_CreateControls1", "(  )", true},
  };
  for (const char* name :
       {"VinEF_TextChange", "VoutEF_TextChange", "FreqEF_TextChange", "IoutEF_TextChange",
        "VripEF_TextChange", "PushButton1_Action", "VfEF_TextChange", "R1R2impEF_TextChange"}) {
    members.push_back({name, std::string(kPlain)});
  }
  members.push_back({"R1EF_KeyDown", "( String ) as Boolean"});
  for (const char* name :
       {"VsatEF_TextChange", "CtST_TextChange", "VrefEF_TextChange", "DeviceLimitsPU_Change",
        "DeviceLimitsPU_Open", "PerPU_Change", "PerPU_Open", "TmpMinEF_TextChange",
        "TmpMaxEF_TextChange", "CPerPU_Change", "CPerPU_Open", "UItimer_Action",
        "RTempcoEF_TextChange"}) {
    members.push_back({name, std::string(kPlain)});
  }
  for (const char* name : {"EditMenu", "EditSelectAll", "UntitledMenu0", "EditClear", "EditPaste",
                           "EditCopy", "EditCut", "UntitledMenu1", "EditUndo", "FileMenu"}) {
    members.push_back({name, "(  ) as MenuItem"});
  }
  members.push_back({"FileQuit", "(  ) as QuitMenuItem"});
  members.push_back({"Event_Open", std::string(kPlain)});
  members.push_back({"Evalue", "( Double, Int32, Int32 ) as Double"});
  members.push_back({"ReEvaluate", std::string(kPlain)});
  for (const ControlRow& row : ControlTable()) {
    static constexpr std::string_view kKindNames[] = {"TextField", "StaticText", "PushButton",
                                                      "PopupMenu", "Line",       "Timer"};
    const std::string_view type = row.name == design::field::kTimer
                                      ? "MC34063.UItimer"
                                      : kKindNames[static_cast<int>(row.kind)];
    members.push_back({std::string(row.name), std::string(type)});
  }
  for (const char* name :
       {"Ipk",         "Vout",    "Ton",         "Iout",      "R1R2Imp", "Vin",
        "Vrip",        "Per",     "Ct",          "SwFreqMax", "VinMin",  "VinMAX",
        "VoutMax",     "Vref",    "TempMax",     "TempMin",   "VrefAcc", "IswMAX",
        "ESeriesForR", "DutyMax", "ESeriesForC", "LastR1"}) {
    const std::string_view n = name;
    members.push_back({name, n == "ESeriesForR" || n == "ESeriesForC" ? "Int32" : "Double"});
  }
  members.push_back({"MC34063", "class"});
  return members;
}

}  // namespace

const fw::ClassRecord& MC34063::Class() {
  return fw::DeclareClass(kMC34063ClassName, [] {
    return fw::ClassRecord{
        {},
        "Window",
        Members(),
        {{"Layout", "Layout"}, {"CreateControls", "CreateControls"}, {"Open", "Event_Open"}},
        [] { return std::make_shared<MC34063>(); }};
  });
}

const fw::ClassRecord& UItimer::Class() {
  return fw::DeclareClass("MC34063.UItimer", [] {
    return fw::ClassRecord{{}, "Timer", {{"Constructor", std::string(kPlain)}}, {}, {}};
  });
}

}  // namespace app
