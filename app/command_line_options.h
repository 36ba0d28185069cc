// The command line's options and its help texts.
#pragma once

#include <QCommandLineOption>
#include <QList>
#include <string>
#include <vector>

namespace app {

std::string Utf8(const QString& text);

const QCommandLineOption& HelpOption();
const QCommandLineOption& VersionOption();

// The options of `ra34063 design`, the fields' in the order they are typed.
struct DesignOptions {
  QCommandLineOption converter{"converter", "step-up, step-down or inverting", "TOPOLOGY"};
  QCommandLineOption chip{"chip", "the chip popup's row", "TEXT"};
  QCommandLineOption resistors{"resistors", "the resistor tolerance popup's row", "TEXT"};
  QCommandLineOption capacitors{"capacitors", "the capacitor tolerance popup's row", "TEXT"};
  std::vector<QCommandLineOption> fields;
  QCommandLineOption ct{"ct", "Ct typed after Go", "PF"};
  QCommandLineOption r1{"r1", "R1 (to GND) typed after Go, then the pause", "KOHM"};
  QCommandLineOption json{"json", "write one JSON object instead of text"};
  QCommandLineOption sheet{"sheet", "write the design sheet to FILE: .pdf, .svg or .png", "FILE"};
  QCommandLineOption simulate{"simulate", "simulate the design from power-up to steady state"};
  QCommandLineOption netlist{"netlist", "write the design as an ngspice deck to FILE", "FILE"};

  DesignOptions();
  QList<QCommandLineOption> Rows() const { return {converter, chip, resistors, capacitors}; }
  QList<QCommandLineOption> Fields() const { return {fields.begin(), fields.end()}; }
  QList<QCommandLineOption> Output() const {
    return {json, simulate, sheet, netlist, HelpOption()};
  }
};

std::string ProgramHelp();
std::string DesignHelp(const DesignOptions& options);

}  // namespace app
