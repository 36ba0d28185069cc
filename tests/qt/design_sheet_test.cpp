// The design sheet as a user meets it: opened from the File menu, following
// the calculator window, copied and saved.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <memory>

#include "app/sheet_view/sheet_opener.h"
#include "harness/qt_driver.h"
#include "harness/qt_program.h"

namespace {

using qt_driver::Find;
using qt_driver::TypeInto;
using qt_program::Activate;
using qt_program::DesignWithEnter;
using qt_program::Quit;
using qt_program::RunProgram;

// The worked example's parts as the window shows them.
const QStringList kParts = {"820 pF", "0.5 Ω", "253 µH", "180 µF", "1.6 kΩ", "13 kΩ"};
// What the worked example's sheet works out: Rsc to buy, its dissipation,
// l_min, the nominal and the lowest output, the closest pair's output, and
// the efficiency.
const QStringList kFigures = {"0.39 Ω", "46.8 mW", "126 µH", "11.4 V", "9.94 V", "12.1 V", "68.4%"};

app::sheet::SheetOpener* AttachSheet(QMainWindow* frame) {
  return app::sheet::Attach(*app::MC34063::ImplicitInstance(), frame);
}

// The worked example designed, then the sheet opened from the File menu.
app::sheet::SheetOpener* OpenWorkedSheet(QMainWindow* frame) {
  app::sheet::SheetOpener* opener = AttachSheet(frame);
  DesignWithEnter(frame);
  Find<QAction>(frame, "FileDesignSheet")->trigger();
  return opener;
}

QWidget* Sheet() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == "DesignSheet" && widget->isVisible()) return widget;
  }
  return nullptr;
}

// Every text the sheet shows below its schematic.
QString SheetText() {
  QStringList texts;
  for (const QLabel* label : Sheet()->findChildren<QLabel*>()) {
    if (label->isVisibleTo(Sheet())) texts << label->text();
  }
  return texts.join('\n');
}

// Runs `act` on the first modal window of type T that comes up; stops
// looking when the returned timer is deleted.
template <typename T>
QTimer* WhenModal(std::function<void(T*)> act) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, act] {
    if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget())) {
      poll->stop();
      act(modal);
    }
  });
  poll->start(10);
  return poll;
}

// Chooses the sheet's File menu item `action` and gives `path` in its
// dialog; gives the text of the message box that follows, if any.
QString SaveThrough(const char* action, const QString& path) {
  QString message;
  std::unique_ptr<QTimer> on_message(WhenModal<QMessageBox>([&](QMessageBox* box) {
    message = box->text();
    box->close();
  }));
  std::unique_ptr<QTimer> on_dialog(WhenModal<QFileDialog>([&](QFileDialog* dialog) {
    // Typed into the name field, as the user does: selectFile leaves a
    // focused field alone.
    Find<QLineEdit>(dialog, "fileNameEdit")->setText(path);
    static_cast<QDialog*>(dialog)->accept();  // QFileDialog's own, checks included
  }));
  Find<QAction>(Sheet(), action)->trigger();
  return message;
}

QString SaveAs(const QString& path) { return SaveThrough("SheetSaveAs", path); }

QString PdfText(const QString& path) {
  QProcess pdftotext;
  pdftotext.start("pdftotext", {"-layout", path, "-"});
  EXPECT_TRUE(pdftotext.waitForFinished());
  return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

TEST(DesignSheet, OpensFromTheFileMenuAndFollowsTheWindow) {
  RunProgram([](QMainWindow* frame) {
    AttachSheet(frame);
    DesignWithEnter(frame);
    // The shortcut reaches the menu while a field has the focus.
    QTest::keyClick(Find<QLineEdit>(frame, "VfEF"), Qt::Key_D, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([] { return Sheet() != nullptr; }));
    for (const QString& figure : kFigures)
      EXPECT_TRUE(SheetText().contains(figure)) << figure.toStdString();
    EXPECT_TRUE(Find<QWidget>(Sheet(), "Schematic")->isVisible());

    Activate(frame);
    TypeInto(frame, "CtST", "470");
    ASSERT_TRUE(QTest::qWaitFor([] { return SheetText().contains("470 pF"); }));
    TypeInto(frame, "R1EF", "2.2");
    ASSERT_TRUE(
        QTest::qWaitFor([] { return SheetText().contains("20 kΩ"); }));  // R2 after the pause
    EXPECT_TRUE(SheetText().contains("2.4 kΩ"));

    TypeInto(frame, "VoutEF", "15");
    ASSERT_TRUE(QTest::qWaitFor([] { return SheetText().contains("No design"); }));
    EXPECT_FALSE(SheetText().contains(QRegularExpression("\\d")));
    EXPECT_FALSE(Find<QWidget>(Sheet(), "Schematic")->isVisible());
    EXPECT_FALSE(Find<QAction>(Sheet(), "SheetCopy")->isEnabled());
    QTest::keyClick(Find<QLineEdit>(frame, "VoutEF"), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([] { return SheetText().contains("VR ≥ 17.1 V"); }));
    EXPECT_TRUE(Find<QWidget>(Sheet(), "Schematic")->isVisible());

    // Closed, it is brought up to date when opened again.
    Sheet()->close();  // as its title bar's button does
    TypeInto(frame, "CtST", "1000");
    QTest::keyClick(Find<QLineEdit>(frame, "CtST"), Qt::Key_D, Qt::ControlModifier);
    ASSERT_NE(Sheet(), nullptr);
    EXPECT_TRUE(SheetText().contains("1 nF"));
    Quit(frame);
  });
}

TEST(DesignSheet, TheSchematicAndEverySavedFormatHoldTheValues) {
  RunProgram([](QMainWindow* frame) {
    app::sheet::SheetOpener* opener = OpenWorkedSheet(frame);
    ASSERT_NE(opener->View(), nullptr);
    const QString schematic = QString::fromUtf8(opener->View()->Schematic());
    // The parts to buy: Rsc, Co and the chip's Ct from the sheet, L, R1 and
    // R2 from the window; Rd and Cin; the chip by its part number.
    for (const QString value : {"5 V", "12 V", "MC34063A", "100 µF", "820 pF", "0.39 Ω", "253 µH",
                                "Vf 400 mV", "220 µF", "1.6 kΩ", "13 kΩ", "75 Ω"}) {
      EXPECT_TRUE(schematic.contains(">" + value + "<")) << value.toStdString();
    }
    EXPECT_FALSE(schematic.contains("{{"));

    QTemporaryDir folder;
    const QString pdf = folder.filePath("sheet.pdf");
    EXPECT_EQ(SaveAs(pdf), "");
    const QString text = PdfText(pdf);
    for (const QString& value : kParts + kFigures) {
      EXPECT_TRUE(text.contains(value)) << value.toStdString() << " not in\n" << text.toStdString();
    }
    EXPECT_EQ(SaveAs(folder.filePath("sheet.svg")), "");
    QFile svg(folder.filePath("sheet.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(svg.readAll()).contains("0.39 Ω"));
    EXPECT_EQ(SaveAs(folder.filePath("sheet.png")), "");
    EXPECT_GT(QImage(folder.filePath("sheet.png")).height(), 1000);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).join(' '),
              "sheet.pdf sheet.png sheet.svg");
    Quit(frame);
  });
}

TEST(DesignSheet, APathThatCannotBeWrittenOrAnUnknownKindGivesAMessageAndNoFile) {
  RunProgram([](QMainWindow* frame) {
    OpenWorkedSheet(frame);
    QTemporaryDir folder;
    QFile blocker(folder.filePath("plain-file"));  // not a folder
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = folder.filePath("plain-file/sheet.pdf");
    const QString message = SaveAs(path);
    EXPECT_TRUE(message.startsWith("The sheet could not be saved to “" + path + "”"))
        << message.toStdString();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(
        SaveAs(folder.filePath("sheet.txt")).contains("does not end in .pdf, .svg or .png"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).join(' '), "plain-file");
    Quit(frame);
  });
}

TEST(DesignSheet, CopyTakesTheTextAndTheSchematic) {
  RunProgram([](QMainWindow* frame) {
    OpenWorkedSheet(frame);
    Activate(Sheet());
    QTest::keyClick(Sheet(), Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->text().startsWith("Design Sheet\n"));
    for (const QString& figure : kFigures)
      EXPECT_TRUE(copied->text().contains(figure)) << figure.toStdString();
    const QImage image = qvariant_cast<QImage>(copied->imageData());
    EXPECT_GT(image.width(), image.height());
    Quit(frame);
  });
}

TEST(DesignSheet, AReaderStartsAtTheSchematicAndTabsThroughHeadingsHeadsAndCells) {
  RunProgram([](QMainWindow* frame) {
    OpenWorkedSheet(frame);
    Activate(Sheet());
    QWidget* schematic = Find<QWidget>(Sheet(), "Schematic");
    EXPECT_EQ(QApplication::focusWidget(), schematic);
    EXPECT_TRUE(schematic->accessibleDescription().contains("; L 253 µH from pin 7's node"));
    // Tab through the header, a heading first, to its last cell.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    auto* design = qobject_cast<QLabel*>(QApplication::focusWidget());
    ASSERT_NE(design, nullptr);
    EXPECT_EQ(design->text(), "Design");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(design)->role(), QAccessible::Heading);
    for (int k = 0; k < 40 && qobject_cast<QLabel*>(QApplication::focusWidget())->text() !=
                                  "resistors ±5% E24, capacitors ±10% E12";
         ++k) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // Then the parts' title as a heading, then their first column head.
    const std::pair<QAccessible::Role, QString> stops[] = {{QAccessible::Heading, "Parts"},
                                                           {QAccessible::ColumnHeader, "Part"}};
    for (const auto& [role, text] : stops) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      auto* label = qobject_cast<QLabel*>(QApplication::focusWidget());
      ASSERT_NE(label, nullptr);
      EXPECT_EQ(label->text(), text);
      EXPECT_EQ(QAccessible::queryAccessibleInterface(label)->role(), role);
    }
    // The cell below that head knows its table, place and head.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // "Value"
    QAccessibleInterface* head = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
    QAccessibleInterface* table = head->parent();
    ASSERT_NE(table->tableInterface(), nullptr);
    QAccessibleInterface* cell = table->tableInterface()->cellAt(0, 1);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), "820 pF");
    EXPECT_EQ(cell->tableCellInterface()->columnHeaderCells().value(0), head);
    EXPECT_EQ(cell->tableCellInterface()->table(), table);
    // Every place of every table is a cell, a sentence spanning its row too.
    for (QWidget* widget : Sheet()->findChildren<QWidget*>()) {
      QAccessibleTableInterface* grid =
          QAccessible::queryAccessibleInterface(widget)->tableInterface();
      if (grid == nullptr) continue;
      for (int r = 0; r < grid->rowCount(); ++r) {
        for (int c = 0; c < grid->columnCount(); ++c) {
          QAccessibleInterface* at = grid->cellAt(r, c);
          ASSERT_NE(at, nullptr) << widget->accessibleName().toStdString() << r << ',' << c;
          const int first = at->tableCellInterface()->columnIndex();
          EXPECT_TRUE(c >= first && c < first + at->tableCellInterface()->columnExtent());
        }
      }
    }
    Quit(frame);
  });
}

}  // namespace

TEST(DesignSheet, SimulatesEachDesignOffTheWindowsThreadAndPlotsIt) {
  RunProgram([](QMainWindow* frame) {
    OpenWorkedSheet(frame);
    // Opening starts the run; the section says so until it ends.
    EXPECT_TRUE(SheetText().contains("Simulating…"));
    ASSERT_TRUE(QTest::qWaitFor([] { return SheetText().contains("Output voltage, average"); }));
    EXPECT_FALSE(SheetText().contains("Simulating…"));
    EXPECT_TRUE(SheetText().contains("11.4 V"));
    EXPECT_TRUE(SheetText().contains("At power-up the inductor current reaches 3.44 A"));
    EXPECT_TRUE(Find<QWidget>(Sheet(), "SimulationPlot")->isVisible());
    // Two designs in a row: the first run is cancelled, the sheet shows the last.
    const auto go_with_vout = [frame](const char* vout) {
      TypeInto(frame, "VoutEF", vout);
      QTest::keyClick(Find<QLineEdit>(frame, "VinEF"), Qt::Key_Return);
    };
    go_with_vout("15");
    go_with_vout("9");
    const QRegularExpression last("Output voltage, average\\n8\\.9\\d V");
    ASSERT_TRUE(QTest::qWaitFor([&] { return SheetText().contains(last); }))
        << SheetText().toStdString();
    EXPECT_TRUE(Find<QWidget>(Sheet(), "SimulationPlot")->isVisible());

    // Saved, the sheet carries the figures and the plot with its axes.
    QTemporaryDir folder;
    EXPECT_EQ(SaveAs(folder.filePath("sheet.svg")), "");
    QFile svg(folder.filePath("sheet.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QString drawn = QString::fromUtf8(svg.readAll());
    for (const char* part :
         {"Output voltage, average", "<polyline", "time (ms)", "Vout (V)", "IL (A)"}) {
      EXPECT_TRUE(drawn.contains(part)) << part;
    }
    EXPECT_EQ(SaveAs(folder.filePath("sheet.pdf")), "");
    const QString pdf = PdfText(folder.filePath("sheet.pdf"));
    EXPECT_TRUE(pdf.contains("Start-up") && pdf.contains("time (ms)")) << pdf.toStdString();
    Quit(frame);
  });
}

TEST(DesignSheet, ExportsTheConverterAsASpiceNetlistOrSaysWhyNot) {
  RunProgram([](QMainWindow* frame) {
    OpenWorkedSheet(frame);
    QTemporaryDir folder;
    const QString deck = folder.filePath("worked.cir");
    EXPECT_EQ(SaveThrough("SheetExportNetlist", deck), "");
    QFile file(deck);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(text.startsWith("* MC34063 step-up converter, RA34063 Rovu Ze " RA_VERSION ", "))
        << text.toStdString();
    // The parts the sheet buys: Rsc 0.39 Ω and Co 220 µF.
    EXPECT_TRUE(text.contains("\nRsc vin ipk 0.39\n") && text.contains("\nCo out 0 0.00022 IC=0\n"))
        << text.toStdString();
    EXPECT_TRUE(text.contains(" uic\n") && text.endsWith(".end\n"));

    QFile blocker(folder.filePath("plain-file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = folder.filePath("plain-file/worked.cir");
    const QString message = SaveThrough("SheetExportNetlist", path);
    EXPECT_TRUE(message.startsWith("The netlist could not be saved to “" + path + "”"))
        << message.toStdString();
    EXPECT_FALSE(QFile::exists(path));
    Quit(frame);
  });
}
