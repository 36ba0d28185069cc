// What a screen reader learns of the calculator through Qt's accessibility:
// each field, popup and result by a name that carries its unit, a result's
// text as its value, and the label that goes with each.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLabel>

#include "harness/qt_driver.h"
#include "harness/qt_program.h"

namespace {

using qt_driver::Find;

struct Named {
  const char* control;
  const char* name;
  const char* label;  // the label naming it on screen; nullptr for none
};

constexpr Named kNamed[] = {
    {"VrefEF", "Vref, volts", "StaticText22"},
    {"VinEF", "Vin (min), volts", "StaticText1"},
    {"VoutEF", "Vout, volts", "StaticText2"},
    {"FreqEF", "Frequency (max), hertz", "StaticText3"},
    {"IoutEF", "Iout (max), amps", "StaticText4"},
    {"VripEF", "Vripple (p-p), volts", "StaticText5"},
    {"VsatEF", "Vsat, volts", "StaticText38"},
    {"VfEF", "Diode Vf, volts", "StaticText15"},
    {"R1R2impEF", "R1 || R2, ohms", "StaticText28"},
    {"TmpMinEF", "Temperature, lowest", "StaticText41"},
    {"TmpMaxEF", "Temperature, highest", "StaticText42"},
    {"RTempcoEF", "Resistor tempco, ppm", "StaticText43"},
    {"DeviceLimitsPU", "Device", nullptr},
    {"PerPU", "Resistor tolerance", "StaticText30"},
    {"CPerPU", "Capacitor tolerance", "StaticText31"},
    {"CtST", "Ct, picofarads", "StaticText10"},
    {"RscST", "Rsc, ohms", "StaticText11"},
    {"LST", "L, microhenries", "StaticText12"},
    {"CoST", "Co, microfarads", "StaticText14"},
    {"R1EF", "R1 (to GND), kilohms", "StaticText23"},
    {"R2ST", "R2 (to Vout), kilohms", "StaticText25"},
    {"OutAccST", "Output accuracy, volts", "StaticText33"},
};

// What the control shows: a label's or field's text, a popup's row.
QString Shown(QWidget* control) {
  if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->currentText();
  return qt_driver::TextOf(control->window(), control->objectName().toLatin1().constData());
}

TEST(Accessibility, FieldsPopupsAndResultsAreNamedWithTheirUnitsValuedByTheirTextsAndLabelled) {
  qt_program::RunProgram([](QMainWindow* frame) {
    qt_program::EnterWorkedExample(frame);
    QTest::keyClick(Find<QLineEdit>(frame, "VfEF"), Qt::Key_Return);
    ASSERT_EQ(qt_driver::TextOf(frame, "OutAccST"), "0.4322 volts");
    for (const Named& n : kNamed) {
      QWidget* control = Find<QWidget>(frame, n.control);
      QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
      ASSERT_NE(spoken, nullptr) << n.control;
      // On Linux Qt names a popup by its label relation and its row, as the
      // desktop's screen readers expect; elsewhere by this name.
      const bool popup = qobject_cast<QComboBox*>(control) != nullptr;
      EXPECT_EQ((popup ? control->accessibleName() : spoken->text(QAccessible::Name)).toStdString(),
                n.name);
      EXPECT_EQ(spoken->text(QAccessible::Value), Shown(control)) << n.control;
      const auto labels = spoken->relations(QAccessible::Label);
      if (n.label == nullptr) {
        EXPECT_TRUE(labels.isEmpty()) << n.control;
      } else {
        ASSERT_EQ(labels.size(), 1) << n.control;
        EXPECT_EQ(labels[0].first->object(), Find<QLabel>(frame, n.label)) << n.control;
      }
    }
    qt_program::Quit(frame);
  });
}

TEST(Accessibility, EveryControlTheKeyboardReachesHasAName) {
  qt_program::RunProgram([](QMainWindow* frame) {
    int reached = 0;
    for (QWidget* control : frame->centralWidget()->findChildren<QWidget*>()) {
      if (!(control->focusPolicy() & Qt::TabFocus)) continue;
      ++reached;
      QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(control);
      EXPECT_FALSE(spoken->text(QAccessible::Name).isEmpty())
          << control->objectName().toStdString();
    }
    EXPECT_EQ(reached, 18);
    qt_program::Quit(frame);
  });
}

}  // namespace
