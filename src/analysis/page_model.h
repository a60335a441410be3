#pragma once
// A page's calculation as a model of the range engine: on its own copy of the page logic
// (with its own Dialogs), every control is put back as it stood when the run began, the
// varied inputs' figures are written into their boxes as shortest texts (of the figure to
// twelve significant figures), the calculation's
// handlers run, and the figures are read back from the result boxes through their shapes.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "analysis/range_engine.h"
#include "fields/message.h"
#include "fields/page_description.h"

namespace kelvara::analysis {

using PageOpener = std::function<std::unique_ptr<PageLogic>(Dialogs&)>;

// One figure of a result box ("txtVmph", its first figure, in "m/s").
struct ResultFigure {
  std::string box;
  std::size_t index = 0;
  std::string unit;
  std::size_t shape = 0;  // which of the box's shapes its text has
};

// The inputs of the calculation that may vary now: measured boxes holding a number.
std::vector<std::string> variableInputs(const PageDescription& page, const Calculation& calculation,
                                        const std::map<std::string, std::string>& texts);

class PageCalculation {
 public:
  // start: every control's text as the run began; varied: the input boxes whose figures the
  // engine gives, in its order.
  PageCalculation(PageOpener open, std::string calculation,
                  std::map<std::string, std::string> start, std::vector<std::string> varied);

  // The figures the calculation writes at the typed values, in the engine's order.
  const std::vector<ResultFigure>& figures() const { return figures_; }
  // The typed figures of the varied inputs.
  const std::vector<double>& typed() const { return typed_; }
  ModelFactory factory() const;

 private:
  PageOpener open_;
  std::string calculation_;
  std::map<std::string, std::string> start_;
  std::vector<std::string> varied_;
  std::vector<double> typed_;
  std::vector<ResultFigure> figures_;
};

}  // namespace kelvara::analysis
