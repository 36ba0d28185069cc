// The schematic of each converter against the datasheet's application
// circuit (ON Semiconductor MC34063A/D, rev. 25, the step-up, step-down and
// inverting figures): the nets are read from the filled SVG's wires, junction
// dots and part terminals, as a reader of the drawing would trace them.
#include <gtest/gtest.h>

#include <QPointF>
#include <QStringList>
#include <QXmlStreamReader>
#include <algorithm>
#include <numeric>
#include <vector>

#include "app/schematic_description.h"
#include "app/sheet_view/schematic.h"

namespace {

struct Segment {
  QPointF a, b;
};

struct Terminal {
  QString name;  // "Rsc.1", "U.7" (the chip's pin 7), "GND", ...
  QPointF at;
};

struct Drawing {
  std::vector<Segment> wires;
  std::vector<QPointF> dots;
  std::vector<Terminal> terminals;
};

Drawing Read(const QByteArray& svg) {
  Drawing d;
  QXmlStreamReader xml(svg);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const auto attr = xml.attributes();
    if (xml.name() == u"polyline") {
      std::vector<QPointF> points;
      for (const QString& pair :
           attr.value(QStringLiteral("points")).toString().split(' ', Qt::SkipEmptyParts)) {
        const QStringList xy = pair.split(',');
        points.emplace_back(xy[0].toDouble(), xy[1].toDouble());
      }
      for (std::size_t k = 1; k < points.size(); ++k) d.wires.push_back({points[k - 1], points[k]});
    } else if (xml.name() == u"circle" && attr.hasAttribute(QStringLiteral("data-terminal"))) {
      d.terminals.push_back(Terminal{attr.value(QStringLiteral("data-terminal")).toString(),
                                     QPointF(attr.value(QStringLiteral("cx")).toDouble(),
                                             attr.value(QStringLiteral("cy")).toDouble())});
    } else if (xml.name() == u"circle" && attr.value(QStringLiteral("r")) == u"3.5") {
      d.dots.emplace_back(attr.value(QStringLiteral("cx")).toDouble(),
                          attr.value(QStringLiteral("cy")).toDouble());
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return d;
}

bool Inside(const QPointF& p, const Segment& s) {
  const double cross =
      (s.b.x() - s.a.x()) * (p.y() - s.a.y()) - (s.b.y() - s.a.y()) * (p.x() - s.a.x());
  if (cross != 0.0) return false;
  const bool between_x = std::min(s.a.x(), s.b.x()) <= p.x() && p.x() <= std::max(s.a.x(), s.b.x());
  const bool between_y = std::min(s.a.y(), s.b.y()) <= p.y() && p.y() <= std::max(s.a.y(), s.b.y());
  return between_x && between_y && p != s.a && p != s.b;
}

// A point joins a wire at the wire's end, or on its way where a dot is.
bool Joins(const QPointF& p, const Segment& s, const std::vector<QPointF>& dots) {
  if (p == s.a || p == s.b) return true;
  return Inside(p, s) && std::find(dots.begin(), dots.end(), p) != dots.end();
}

// Each net as its terminals' names, sorted and joined by blanks; the nets
// sorted. Wires that reach no terminal are left out.
QStringList Nets(const Drawing& d) {
  const std::size_t n = d.wires.size() + d.terminals.size();
  std::vector<std::size_t> parent(n);
  std::iota(parent.begin(), parent.end(), 0);
  const auto root = [&](std::size_t k) {
    while (parent[k] != k) k = parent[k] = parent[parent[k]];
    return k;
  };
  const auto join = [&](std::size_t i, std::size_t j) { parent[root(i)] = root(j); };
  for (std::size_t i = 0; i < d.wires.size(); ++i) {
    for (std::size_t j = 0; j < d.wires.size(); ++j) {
      if (Joins(d.wires[i].a, d.wires[j], d.dots) || Joins(d.wires[i].b, d.wires[j], d.dots)) {
        join(i, j);
      }
    }
    for (std::size_t t = 0; t < d.terminals.size(); ++t) {
      if (Joins(d.terminals[t].at, d.wires[i], d.dots)) join(i, d.wires.size() + t);
    }
  }
  // Every ground symbol is the one ground.
  for (std::size_t t = 0; t < d.terminals.size(); ++t) {
    for (std::size_t u = 0; u < t; ++u) {
      if (d.terminals[t].name == "GND" && d.terminals[u].name == "GND") {
        join(d.wires.size() + t, d.wires.size() + u);
      }
    }
  }
  std::vector<QStringList> names(n);
  for (std::size_t t = 0; t < d.terminals.size(); ++t) {
    names[root(d.wires.size() + t)] << d.terminals[t].name;
  }
  QStringList nets;
  for (QStringList& net : names) {
    if (net.isEmpty()) continue;
    net.removeDuplicates();
    net.sort();
    nets << net.join(' ');
  }
  nets.sort();
  return nets;
}

struct Circuit {
  design::Topology topology;
  const char* name;
  QStringList nets;   // as Nets gives them
  const char* pin_8;  // how the description joins pin 8
  std::vector<app::SheetLine> values = {};
};

TEST(SchematicNets, EachConverterIsTheDatasheetsCircuit) {
  // U.n is the chip's pin n; a part's terminals are numbered from the top or
  // the left as drawn, D.A and D.K are the diode's anode and cathode, Co.1 is
  // its + side.
  const Circuit circuits[] = {
      {design::Topology::kStepUp,
       "step-up",
       {"Cin.1 Rsc.1 U.6 Vin", "Cin.2 Co.2 Ct.2 GND R1.2 U.2 U.4", "Co.1 D.K R2.1 Vout", "Ct.1 U.3",
        "D.A L.2 U.1", "L.1 Rd.1 Rsc.2 U.7", "R1.1 R2.2 U.5", "Rd.2 U.8"},
       "; Rd 75 Ω from pin 7's node to pin 8 (DrC);",
       {{"Rd", "75 Ω"}}},
      // A chip without a driver input: pin 8 tied to pin 1, no Rd.
      {design::Topology::kStepUp,
       "step-up, Darlington",
       {"Cin.1 Rsc.1 U.6 Vin", "Cin.2 Co.2 Ct.2 GND R1.2 U.2 U.4", "Co.1 D.K R2.1 Vout", "Ct.1 U.3",
        "D.A L.2 U.1 U.8", "L.1 Rsc.2 U.7", "R1.1 R2.2 U.5"},
       "; pin 8 (DrC) tied to pin 1 (SwC);"},
      // Pins 1 and 8 on the sense node; pin 2 to L and the diode's cathode,
      // the anode at ground.
      {design::Topology::kStepDown,
       "step-down",
       {"Cin.1 Rsc.1 U.6 Vin", "Cin.2 Co.2 Ct.2 D.A GND R1.2 U.4", "Co.1 L.2 R2.1 Vout", "Ct.1 U.3",
        "D.K L.1 U.2", "R1.1 R2.2 U.5", "Rsc.2 U.1 U.7 U.8"},
       "; pins 1 (SwC) and 8 (DrC) at pin 7's node;"},
      // L from pin 2 to ground, the diode's anode at -Vout with pin 4 and Ct's
      // return; R1 from pin 5 to -Vout, R2 from pin 5 to ground.
      {design::Topology::kInverting,
       "inverting",
       {"Cin.1 Rsc.1 U.6 Vin", "Cin.2 Co.1 GND L.2 R2.1", "Co.2 Ct.2 D.A R1.2 U.4 Vout", "Ct.1 U.3",
        "D.K L.1 U.2", "R1.1 R2.2 U.5", "Rsc.2 U.1 U.7 U.8"},
       "; pins 1 (SwC) and 8 (DrC) at pin 7's node;"},
  };
  for (const Circuit& c : circuits) {
    EXPECT_EQ(
        Nets(Read(app::sheet::FilledSchematic(c.topology, c.values))).join('\n').toStdString(),
        c.nets.join('\n').toStdString())
        << c.name;
    // The text a screen reader gives for the drawing joins pin 8 as drawn,
    // and names Rd only where it is drawn.
    const std::string said = app::SchematicDescription(c.topology, c.values);
    EXPECT_NE(said.find(c.pin_8), std::string::npos) << c.name << ": " << said;
    EXPECT_EQ(said.find("Rd") != std::string::npos, c.nets.join(' ').contains("Rd."))
        << c.name << ": " << said;
  }
}

}  // namespace
