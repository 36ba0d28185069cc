// The name of every control of the window: its one home. The design
// calculations read and write the first ones; the window alone names the rest.
#pragma once

#include <array>
#include <string_view>

namespace design::field {

// Requirements.
inline constexpr std::string_view kVin = "VinEF";
inline constexpr std::string_view kVout = "VoutEF";
inline constexpr std::string_view kFreq = "FreqEF";
inline constexpr std::string_view kIout = "IoutEF";
inline constexpr std::string_view kVrip = "VripEF";
inline constexpr std::string_view kVf = "VfEF";
inline constexpr std::string_view kVsat = "VsatEF";
inline constexpr std::string_view kVref = "VrefEF";
inline constexpr std::string_view kR1R2Imp = "R1R2impEF";
inline constexpr std::string_view kTempMin = "TmpMinEF";
inline constexpr std::string_view kTempMax = "TmpMaxEF";
inline constexpr std::string_view kTempco = "RTempcoEF";

// Results.
inline constexpr std::string_view kCt = "CtST";
inline constexpr std::string_view kRsc = "RscST";
inline constexpr std::string_view kL = "LST";
inline constexpr std::string_view kCo = "CoST";
inline constexpr std::string_view kR1 = "R1EF";
inline constexpr std::string_view kR2 = "R2ST";
inline constexpr std::string_view kAccuracy = "OutAccST";
inline constexpr std::string_view kErrors = "ErrorOut";

// Limit lines.
inline constexpr std::string_view kDutyMaxLine = "DutyMaxST";
inline constexpr std::string_view kIswMaxLine = "IswMaxST";
inline constexpr std::string_view kSwFreqMaxLine = "SwFreqMaxST";
inline constexpr std::string_view kVrefAccLine = "TolST";

// Popups.
inline constexpr std::string_view kChipPopup = "DeviceLimitsPU";
inline constexpr std::string_view kResistorClassPopup = "PerPU";
inline constexpr std::string_view kCapacitorClassPopup = "CPerPU";

// Labels, units, rules, the Go button and the timer, named by the window alone.
inline constexpr std::string_view kVinLabel = "StaticText1";
inline constexpr std::string_view kVoutLabel = "StaticText2";
inline constexpr std::string_view kFreqLabel = "StaticText3";
inline constexpr std::string_view kIoutLabel = "StaticText4";
inline constexpr std::string_view kVripLabel = "StaticText5";
inline constexpr std::string_view kResultsHeading = "StaticText7";
inline constexpr std::string_view kCtLabel = "StaticText10";
inline constexpr std::string_view kRscLabel = "StaticText11";
inline constexpr std::string_view kLLabel = "StaticText12";
inline constexpr std::string_view kCoLabel = "StaticText14";
inline constexpr std::string_view kGoButton = "PushButton1";
inline constexpr std::string_view kVfLabel = "StaticText15";
inline constexpr std::string_view kVinUnit = "StaticText16";
inline constexpr std::string_view kVoutUnit = "StaticText17";
inline constexpr std::string_view kFreqUnit = "StaticText18";
inline constexpr std::string_view kIoutUnit = "StaticText19";
inline constexpr std::string_view kVripUnit = "StaticText20";
inline constexpr std::string_view kVfUnit = "StaticText21";
inline constexpr std::string_view kCtUnit = "pF";
inline constexpr std::string_view kRscUnit = "ohm2";
inline constexpr std::string_view kLUnit = "uH";
inline constexpr std::string_view kCoUnit = "uF";
inline constexpr std::string_view kR1Label = "StaticText23";
inline constexpr std::string_view kR2Label = "StaticText25";
inline constexpr std::string_view kR1Unit = "kohm1";
inline constexpr std::string_view kR2Unit = "kohm2";
inline constexpr std::string_view kR1R2ImpLabel = "StaticText28";
inline constexpr std::string_view kR1R2ImpUnit = "ohm1";
inline constexpr std::string_view kResistorClassLabel = "StaticText30";
inline constexpr std::string_view kAccuracyLabel = "StaticText33";
inline constexpr std::string_view kAccuracyNote = "StaticText35";
inline constexpr std::string_view kVerticalRule = "Line1";
inline constexpr std::string_view kVsatUnit = "StaticText37";
inline constexpr std::string_view kVsatLabel = "StaticText38";
inline constexpr std::string_view kHorizontalRule = "Line2";
inline constexpr std::string_view kVrefUnit = "StaticText40";
inline constexpr std::string_view kVrefLabel = "StaticText22";
inline constexpr std::string_view kTempLabel = "StaticText41";
inline constexpr std::string_view kTempToLabel = "StaticText42";
inline constexpr std::string_view kCapacitorClassLabel = "StaticText31";
inline constexpr std::string_view kTimer = "UItimer";
inline constexpr std::string_view kTempcoLabel = "StaticText43";
inline constexpr std::string_view kTempcoUnit = "StaticText44";

// Every control of the window, in creation order.
inline constexpr std::array<std::string_view, 70> kAll = {kVin,
                                                          kVout,
                                                          kFreq,
                                                          kVinLabel,
                                                          kVoutLabel,
                                                          kFreqLabel,
                                                          kIout,
                                                          kVrip,
                                                          kIoutLabel,
                                                          kVripLabel,
                                                          kResultsHeading,
                                                          kCtLabel,
                                                          kRscLabel,
                                                          kLLabel,
                                                          kCoLabel,
                                                          kGoButton,
                                                          kVf,
                                                          kVfLabel,
                                                          kVinUnit,
                                                          kVoutUnit,
                                                          kFreqUnit,
                                                          kIoutUnit,
                                                          kVripUnit,
                                                          kVfUnit,
                                                          kRsc,
                                                          kL,
                                                          kCo,
                                                          kCtUnit,
                                                          kRscUnit,
                                                          kLUnit,
                                                          kCoUnit,
                                                          kR1Label,
                                                          kR2,
                                                          kR2Label,
                                                          kR1Unit,
                                                          kR2Unit,
                                                          kR1R2ImpLabel,
                                                          kR1R2Imp,
                                                          kR1R2ImpUnit,
                                                          kResistorClassLabel,
                                                          kAccuracy,
                                                          kAccuracyLabel,
                                                          kAccuracyNote,
                                                          kR1,
                                                          kVerticalRule,
                                                          kErrors,
                                                          kVsatUnit,
                                                          kVsat,
                                                          kVsatLabel,
                                                          kHorizontalRule,
                                                          kCt,
                                                          kVref,
                                                          kVrefUnit,
                                                          kVrefLabel,
                                                          kChipPopup,
                                                          kResistorClassPopup,
                                                          kTempMin,
                                                          kTempMax,
                                                          kTempLabel,
                                                          kTempToLabel,
                                                          kDutyMaxLine,
                                                          kIswMaxLine,
                                                          kSwFreqMaxLine,
                                                          kCapacitorClassPopup,
                                                          kCapacitorClassLabel,
                                                          kTimer,
                                                          kTempco,
                                                          kTempcoLabel,
                                                          kTempcoUnit,
                                                          kVrefAccLine};

}  // namespace design::field
