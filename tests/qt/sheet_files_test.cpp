// The saved sheet outside Qt: the SVG rendered by librsvg and ImageMagick
// shows every text where it is laid out, each number with its unit; the
// PDF's schematic labels are text that pdftotext finds.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <vector>

#include "app/sheet_model.h"
#include "app/sheet_view/schematic.h"
#include "app/sheet_view/sheet_file.h"
#include "harness/qt_program.h"

namespace {

// The worked example's schematic as drawn: the chip's part number, the
// requirements, and the parts to buy with Rd and Cin.
const QStringList kDrawn = {"MC34063A", "5 V",       "12 V",   "100 µF", "820 pF", "0.39 Ω",
                            "253 µH",   "Vf 400 mV", "220 µF", "1.6 kΩ", "13 kΩ",  "75 Ω"};

// Saves the worked example's sheet as `name` in `folder`; gives its path.
QString SavedWorkedSheet(const QTemporaryDir& folder, const QString& name) {
  QString path;
  qt_program::RunProgram([&](QMainWindow* frame) {
    qt_program::DesignWithEnter(frame);
    const app::SheetModel model = app::SheetModelOf(*app::MC34063::ImplicitInstance());
    const app::sheet::SheetPage page(app::sheet::FilledSchematic(model.topology, model.schematic),
                                     model.sections);
    path = folder.filePath(name);
    EXPECT_EQ(app::sheet::SaveSheet(page, path), "");
    qt_program::Quit(frame);
  });
  return path;
}

struct Outcome {
  int status;
  QByteArray out, err;
};

// Waits as long as the program runs: ImageMagick spends two seconds of CPU
// on the sheet, many times that on a loaded machine, where a deadline here
// killed it half done; a program that hangs is the test runner's timeout to
// catch.
Outcome Command(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  const bool finished = process.waitForFinished(-1);
  EXPECT_TRUE(finished && process.exitStatus() == QProcess::NormalExit)
      << program.toStdString() << ": " << process.errorString().toStdString();
  return {finished ? process.exitCode() : -1, process.readAllStandardOutput(),
          process.readAllStandardError()};
}

struct SvgText {
  QString text;
  QPointF at;
  double size = 0;
  QString anchor;
};

// Every <text> with where its groups place it and the size they give it.
std::vector<SvgText> Texts(const QByteArray& svg) {
  struct Context {
    QPointF shift;
    double size = 16;
    QString anchor = "start";
  };
  std::vector<Context> stack{Context{}};
  std::vector<SvgText> texts;
  QXmlStreamReader xml(svg);
  static const QRegularExpression translate(R"(translate\(([-\d.]+),([-\d.]+)\))");
  while (!xml.atEnd()) {
    xml.readNext();
    if (xml.isEndElement()) stack.pop_back();
    if (!xml.isStartElement()) continue;
    const auto a = xml.attributes();
    Context c = stack.back();
    const auto m = translate.match(a.value(QLatin1String("transform")).toString());
    if (m.hasMatch()) c.shift += QPointF(m.captured(1).toDouble(), m.captured(2).toDouble());
    if (a.hasAttribute(QLatin1String("font-size"))) {
      c.size = a.value(QLatin1String("font-size")).toDouble();
    }
    if (a.hasAttribute(QLatin1String("text-anchor"))) {
      c.anchor = a.value(QLatin1String("text-anchor")).toString();
    }
    if (xml.name() == u"text") {
      const QPointF at(a.value(QLatin1String("x")).toDouble(),
                       a.value(QLatin1String("y")).toDouble());
      texts.push_back({xml.readElementText(), at + c.shift, c.size, c.anchor});
      continue;  // its end element is read
    }
    stack.push_back(c);
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return texts;
}

// Where a text's glyphs may fall: its line, and a width generous for any
// glyph of its size.
QRect InkBox(const SvgText& t) {
  const double width = 0.7 * t.size * t.text.size();
  double left = t.at.x();
  if (t.anchor == "middle") left -= width / 2;
  if (t.anchor == "end") left -= width;
  return QRectF(left - 1, t.at.y() - 0.85 * t.size, width + 2, 1.1 * t.size).toAlignedRect();
}

// Whether `a` is darker than `b` anywhere on row `y` between `left` and
// `right`: ink that the texts put there.
bool InkOnRow(const QImage& a, const QImage& b, int y, int left, int right) {
  if (y < 0 || y >= a.height()) return false;
  for (int x = std::max(0, left); x <= std::min(a.width() - 1, right); ++x) {
    if (qGray(a.pixel(x, y)) + 40 < qGray(b.pixel(x, y))) return true;
  }
  return false;
}

// A text with a digit or a capital has ink just above its baseline and at
// 0.6 of its size above it (DejaVu's capitals stand 0.73 high): drawn where
// it is laid out, and at its size. Any other text has ink in its box.
bool InkWhereLaidOut(const QImage& a, const QImage& b, const SvgText& t) {
  const QRect box = InkBox(t);
  if (t.text.contains(QRegularExpression("[0-9A-Z]"))) {
    return InkOnRow(a, b, qRound(t.at.y() - 0.15 * t.size), box.left(), box.right()) &&
           InkOnRow(a, b, qRound(t.at.y() - 0.6 * t.size), box.left(), box.right());
  }
  for (int y = box.top(); y <= box.bottom(); ++y) {
    if (InkOnRow(a, b, y, box.left(), box.right())) return true;
  }
  return false;
}

TEST(SheetFiles, EverySvgTextHasItsInkWhereItIsLaidOutInLibrsvgAndImageMagick) {
  QTemporaryDir folder;
  const QString path = SavedWorkedSheet(folder, "sheet.svg");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray svg = file.readAll();
  const std::vector<SvgText> texts = Texts(svg);
  // Each value with its unit in one element.
  QStringList all;
  for (const SvgText& t : texts) all << t.text;
  for (const QString& value : kDrawn) EXPECT_TRUE(all.contains(value)) << value.toStdString();
  static const QRegularExpression lone_unit(R"(^(p|n|µ|m|k|M)?(Ω|F|H|V|A|W|Hz|s)\b)");
  for (const QString& text : all)
    EXPECT_FALSE(lone_unit.match(text).hasMatch()) << text.toStdString();
  // The same file without its texts shows where the texts' ink is.
  QString bare = QString::fromUtf8(svg);
  bare.remove(QRegularExpression("<text[^>]*>[^<]*</text>"));
  QFile bare_file(folder.filePath("bare.svg"));
  ASSERT_TRUE(bare_file.open(QIODevice::WriteOnly));
  bare_file.write(bare.toUtf8());
  bare_file.close();

  const struct {
    const char* name;
    QStringList render;  // the output's path follows
  } renderers[] = {{"rsvg-convert", {"-b", "white", "-o"}}, {"convert", {}}};
  for (const auto& r : renderers) {
    std::vector<QImage> images;
    for (const QString& source : {path, bare_file.fileName()}) {
      const QString png = source + "." + r.name + ".png";
      QStringList arguments = r.render;
      if (QString(r.name) == "convert") {
        arguments << source << png;
      } else {
        arguments << png << source;
      }
      const Outcome run = Command(r.name, arguments);
      EXPECT_EQ(run.status, 0) << r.name;
      EXPECT_EQ(run.err.toStdString(), "") << r.name;
      images.push_back(QImage(png).convertToFormat(QImage::Format_RGB32));
    }
    ASSERT_EQ(images[0].size(), images[1].size());
    for (const SvgText& t : texts) {
      EXPECT_TRUE(InkWhereLaidOut(images[0], images[1], t))
          << r.name << ": \"" << t.text.toStdString() << "\" at " << t.at.x() << "," << t.at.y();
    }
  }
}

TEST(SheetFiles, ThePdfsSchematicLabelsAreText) {
  QTemporaryDir folder;
  const QString path = SavedWorkedSheet(folder, "sheet.pdf");
  const Outcome run = Command("pdftotext", {"-bbox", path, "-"});
  ASSERT_EQ(run.status, 0);
  // The words above the sheet's first title, "Design", are the schematic's.
  static const QRegularExpression word(
      R"re(<word xMin="[^"]+" yMin="([^"]+)"[^>]*>([^<]*)</word>)re");
  std::vector<std::pair<double, QString>> words;
  double schematic_bottom = -1;
  for (auto m = word.globalMatch(QString::fromUtf8(run.out)); m.hasNext();) {
    const auto w = m.next();
    words.emplace_back(w.captured(1).toDouble(), w.captured(2));
    if (schematic_bottom < 0 && w.captured(2) == "Design")
      schematic_bottom = w.captured(1).toDouble();
  }
  ASSERT_GT(schematic_bottom, 0);
  QStringList drawn;
  for (const auto& [top, text] : words) {
    if (top < schematic_bottom) drawn << text;
  }
  for (const QString& value : kDrawn + QStringList{"Vin", "Vout", "Cin", "Rd"}) {
    for (const QString& part : value.split(' ')) {
      EXPECT_TRUE(drawn.contains(part))
          << part.toStdString() << " not in " << drawn.join(' ').toStdString();
    }
  }
}

}  // namespace
