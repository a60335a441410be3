#include "analysis/page_model.h"

#include <cmath>
#include <exception>
#include <utility>

#include "fields/field_text.h"

namespace kelvara::analysis {

namespace {

// A drawn figure to twelve significant figures, far finer than any measurement, so that its
// text is short and quick to write.
double twelveFigures(double figure) {
  if (figure == 0.0 || !std::isfinite(figure)) return figure;
  const int places = 11 - static_cast<int>(std::floor(std::log10(std::fabs(figure))));
  if (places < -22 || places > 22) return figure;
  const double scale = std::pow(10.0, std::abs(places));  // exact up to 10^22
  return places >= 0 ? std::nearbyint(figure * scale) / scale
                     : std::nearbyint(figure / scale) * scale;
}

// Answers a Yes/No box as a rerun of the calculation does, and keeps the last message shown,
// its lines joined by a blank.
class RerunDialogs : public Dialogs {
 public:
  int show(const Message& message) override {
    last.clear();
    for (const std::string& line : message.lines) last += (last.empty() ? "" : " ") + line;
    return (message.code & MessageCode::YesNo) == MessageCode::YesNo ? answer : Answer::Ok;
  }
  int answer = Answer::No;  // the calculation's, once it is known
  std::string last;
};

// One copy of the page, ready to run the calculation again and again.
class Copy {
 public:
  Copy(const PageOpener& open, const std::string& calculation,
       const std::map<std::string, std::string>& start, const std::vector<std::string>& varied)
      : logic_(open(dialogs_)) {
    const PageDescription& page = logic_->description();
    for (const Calculation& c : page.calculations)
      if (c.name == calculation) calculation_ = &c;
    if (calculation_ == nullptr) return;
    dialogs_.answer = calculation_->answer;
    // Every control as the run began, but the result boxes empty: a run that writes no
    // figure there must not read one left from before. Box texts and captions are put back
    // straight into their strings, the rest as the investigator gives them.
    for (const ControlDescription& control : page.controls) {
      const auto text = start.find(std::string(control.name));
      const bool emptied = control.role == Role::Result && control.get<TextBox>() != nullptr;
      if (!emptied && text == start.end()) continue;
      std::string value = emptied ? std::string() : text->second;
      if (TextBox* box = control.get<TextBox>())
        startTexts_.emplace_back(&box->text, std::move(value));
      else if (Label* label = control.get<Label>())
        startTexts_.emplace_back(&label->caption, std::move(value));
      else
        start_.emplace_back(&control, std::move(value));
    }
    for (const std::string& name : varied) varied_.push_back(page.find(name));
    for (std::string_view handler : calculation_->handlers)
      handlers_.push_back(page.handler(handler));
  }

  const PageDescription& page() const { return logic_->description(); }
  const Calculation* calculation() const { return calculation_; }

  // Runs the calculation on the inputs; the message last shown, if it ended with one.
  std::string run(const std::vector<double>& inputs) {
    for (auto& [target, text] : startTexts_) *target = text;
    for (const auto& [control, text] : start_) giveText(page(), *control, text);
    for (std::size_t i = 0; i < varied_.size() && i < inputs.size(); ++i)
      giveText(page(), *varied_[i], shortestText(twelveFigures(inputs[i])));
    dialogs_.last.clear();
    try {
      for (const HandlerDescription* handler : handlers_) handler->run();
    } catch (const std::exception& failure) {
      return failure.what();
    }
    return dialogs_.last;
  }

  // The figures of a result box's text, through the first of its shapes that it has; the
  // shape it had at the typed values (likely) first.
  std::optional<std::vector<double>> figuresOf(const ControlDescription* control,
                                               std::size_t likely = 0) const {
    const TextBox* text = control == nullptr ? nullptr : control->get<TextBox>();
    if (text == nullptr) return std::nullopt;
    if (likely < control->shapes.size())
      if (auto figures = control->shapes[likely].figures(text->text, false);
          figures && !figures->empty())
        return figures;
    for (const Shape& shape : control->shapes)
      if (auto figures = shape.figures(text->text, false); figures && !figures->empty())
        return figures;
    return std::nullopt;
  }

 private:
  RerunDialogs dialogs_;
  std::unique_ptr<PageLogic> logic_;
  const Calculation* calculation_ = nullptr;
  std::vector<std::pair<std::string*, std::string>> startTexts_;
  std::vector<std::pair<const ControlDescription*, std::string>> start_;
  std::vector<const ControlDescription*> varied_;
  std::vector<const HandlerDescription*> handlers_;
};

}  // namespace

std::vector<std::string> variableInputs(const PageDescription& page, const Calculation& calculation,
                                        const std::map<std::string, std::string>& texts) {
  std::vector<std::string> varied;
  for (std::string_view name : calculation.inputs) {
    const ControlDescription* control = page.find(name);
    const auto text = texts.find(std::string(name));
    if (control != nullptr && control->measured() && text != texts.end() &&
        isNumericText(text->second))
      varied.emplace_back(name);
  }
  return varied;
}

PageCalculation::PageCalculation(PageOpener open, std::string calculation,
                                 std::map<std::string, std::string> start,
                                 std::vector<std::string> varied)
    : open_(std::move(open)),
      calculation_(std::move(calculation)),
      start_(std::move(start)),
      varied_(std::move(varied)) {
  for (const std::string& name : varied_) typed_.push_back(strictNumber(start_[name]));
  Copy copy(open_, calculation_, start_, varied_);
  if (copy.calculation() == nullptr) return;
  copy.run(typed_);
  for (std::string_view box : copy.calculation()->results) {
    const auto figures = copy.figuresOf(copy.page().find(box));
    if (!figures) continue;  // the run writes no figure there (an input left as typed)
    const ControlDescription& control = *copy.page().find(box);
    for (std::size_t s = 0; s < control.shapes.size(); ++s)
      if (control.shapes[s].figures(control.get<TextBox>()->text)) {
        for (std::size_t k = 0; k < figures->size(); ++k)
          figures_.push_back({std::string(box), k, control.shapes[s].unitAfter(k), s});
        break;
      }
  }
}

ModelFactory PageCalculation::factory() const {
  return [open = open_, calculation = calculation_, start = start_, varied = varied_,
          figures = figures_] {
    auto copy = std::make_shared<Copy>(open, calculation, start, varied);
    std::vector<const ControlDescription*> boxes;
    for (const ResultFigure& figure : figures) boxes.push_back(copy->page().find(figure.box));
    return [copy, figures, boxes](const std::vector<double>& inputs) {
      Evaluation evaluation;
      evaluation.figures.reserve(figures.size());
      const std::string message = copy->run(inputs);
      std::optional<std::vector<double>> read;
      for (std::size_t f = 0; f < figures.size(); ++f) {
        const ResultFigure& figure = figures[f];
        if (f == 0 || boxes[f] != boxes[f - 1]) read = copy->figuresOf(boxes[f], figure.shape);
        if (read && figure.index < read->size())
          evaluation.figures.emplace_back((*read)[figure.index]);
        else
          evaluation.figures.emplace_back(std::nullopt);
      }
      for (const auto& figure : evaluation.figures)
        if (!figure) evaluation.refusal = message.empty() ? "no figure" : message;
      return evaluation;
    };
  };
}

}  // namespace kelvara::analysis
