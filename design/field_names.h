// Names of the window's controls that the design calculations read and write.
#pragma once

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

}  // namespace design::field
