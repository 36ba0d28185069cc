// What a screen reader learns of the calculator through Qt's accessibility:
// each field, popup and result by a name that carries its unit, a result's
// text as its value and as read-only text, the label that goes with each,
// the chip rows said with their meaning and the message area's alert.
#include <gtest/gtest.h>

#include <QAbstractItemView>
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
  const char* label;  // the label naming it on screen; nullptr for an unseen one
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
    {"TmpMinEF", "Temperature, lowest, degrees Celsius", "StaticText41"},
    {"TmpMaxEF", "Temperature, highest, degrees Celsius", "StaticText42"},
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
      EXPECT_EQ(spoken->text(QAccessible::Name).toStdString(), n.name);
      EXPECT_EQ(spoken->text(QAccessible::Value), Shown(control)) << n.control;
      const auto labels = spoken->relations(QAccessible::Label);
      ASSERT_EQ(labels.size(), 1) << n.control;
      auto* label = qobject_cast<QLabel*>(labels[0].first->object());
      if (n.label == nullptr) {
        ASSERT_NE(label, nullptr) << n.control;
        EXPECT_TRUE(label->isHidden()) << n.control;
        EXPECT_EQ(label->text().toStdString(), n.name);
      } else {
        EXPECT_EQ(label, Find<QLabel>(frame, n.label)) << n.control;
      }
      // A result reads as text a reader cannot change.
      if (auto* shown = qobject_cast<QLabel*>(control)) {
        ASSERT_NE(spoken->textInterface(), nullptr) << n.control;
        EXPECT_EQ(spoken->textInterface()->text(0, 1000), shown->text()) << n.control;
        EXPECT_TRUE(spoken->state().readOnly) << n.control;
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

// Qt tells a reader of each change only on a platform with a bridge; the
// test over the real bus hears those.
TEST(Accessibility, ResultsReadEmptyOnceBlankedAndTheMessageAlertReadsItsSentences) {
  qt_program::RunProgram([](QMainWindow* frame) {
    QAccessibleInterface* rsc = QAccessible::queryAccessibleInterface(Find<QLabel>(frame, "RscST"));
    auto* messages = Find<QLabel>(frame, "ErrorOut");
    QAccessibleInterface* alert = QAccessible::queryAccessibleInterface(messages);
    EXPECT_EQ(alert->role(), QAccessible::AlertMessage);
    EXPECT_EQ(alert->text(QAccessible::Name), "Messages");
    qt_program::DesignWithEnter(frame);
    EXPECT_EQ(rsc->textInterface()->text(0, 100), "0.5");
    qt_driver::TypeInto(frame, "VoutEF", "4");  // below Vin: refused
    EXPECT_EQ(rsc->textInterface()->characterCount(), 0);
    EXPECT_EQ(rsc->text(QAccessible::Value), "");
    QTest::keyClick(Find<QLineEdit>(frame, "VfEF"), Qt::Key_Return);
    EXPECT_FALSE(messages->text().isEmpty());
    EXPECT_EQ(alert->textInterface()->text(0, 1000), messages->text());
    qt_program::Quit(frame);
  });
}

// Voice control and readers set a field's text whole or insert into it.
TEST(Accessibility, TextSetFromOutsideCountsAsTyped) {
  qt_program::RunProgram([](QMainWindow* frame) {
    qt_program::DesignWithEnter(frame);
    QAccessibleInterface* vout =
        QAccessible::queryAccessibleInterface(Find<QLineEdit>(frame, "VoutEF"));
    vout->setText(QAccessible::Value, "4");
    EXPECT_EQ(qt_driver::TextOf(frame, "RscST"), "");  // blanked as by typing
    QTest::keyClick(Find<QLineEdit>(frame, "VfEF"), Qt::Key_Return);
    EXPECT_NE(qt_driver::TextOf(frame, "ErrorOut"), "");  // Go read the 4
    vout->editableTextInterface()->replaceText(0, 1, "12");
    EXPECT_EQ(qt_driver::TextOf(frame, "ErrorOut"), "");
    QTest::keyClick(Find<QLineEdit>(frame, "VfEF"), Qt::Key_Return);
    EXPECT_EQ(qt_driver::TextOf(frame, "R2ST"), "13");
    qt_program::Quit(frame);
  });
}

TEST(Accessibility, ChipRowsAreSaidWithTheirMeaningTheirShownTextKept) {
  qt_program::RunProgram([](QMainWindow* frame) {
    auto* chip = Find<QComboBox>(frame, "DeviceLimitsPU");
    qt_driver::PickRow(chip, 7);
    const QString said = "ON Semi MC34063A, 0 to 70 °C, 100 kHz, 1.25 V, 3.2%";
    EXPECT_TRUE(chip->currentText().startsWith("ON Semi MC34063A     0"))
        << chip->currentText().toStdString();
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(chip);
    EXPECT_EQ(spoken->text(QAccessible::Description), said);
    QAccessibleInterface* list = spoken->child(0);
    ASSERT_NE(list, nullptr);
    ASSERT_NE(list->tableInterface(), nullptr);
    EXPECT_EQ(list->tableInterface()->cellAt(7, 0)->text(QAccessible::Name), said);
    EXPECT_EQ(list->tableInterface()->cellAt(0, 0)->text(QAccessible::Name), "Choose Device...");
    qt_program::Quit(frame);
  });
}

}  // namespace
