#pragma once
// The range of results when the measurements are uncertain: bounds over the input ranges,
// first-order propagation (the law of propagation of uncertainty for uncorrelated inputs)
// and Monte Carlo (independent draws from each input's distribution). Generic over a model,
// a function from input figures to result figures that may refuse; each worker thread has
// its own model, built by the factory, so a model need not be shareable.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kelvara::analysis {

enum class Distribution { Uniform, Triangular, Normal };

// An input figure: its typed value and the range it may lie in. Normal: low and high are its
// 2.5 % and 97.5 % points. Triangular: its mode is the typed value.
struct InputRange {
  double nominal = 0.0;
  double low = 0.0;
  double high = 0.0;
  Distribution distribution = Distribution::Uniform;
  bool varied() const { return high > low; }
  // The standard uncertainty of the distribution.
  double standardUncertainty() const;
};

// What a model gives for one set of inputs: each result figure, or none where the model
// refused it, with the message that refused it.
struct Evaluation {
  std::vector<std::optional<double>> figures;
  std::string refusal;
};

using Model = std::function<Evaluation(const std::vector<double>& inputs)>;
using ModelFactory = std::function<Model()>;

// Where a run stands: samples done of all; cancel stops it at the next sample.
struct Progress {
  std::atomic<std::size_t> done{0};
  std::atomic<bool> cancel{false};
};

struct FigureRange {
  std::optional<double> nominal;
  std::optional<double> min, max;
  std::vector<double> argMin, argMax;  // bounds: the inputs that give each
  std::optional<double> p025, p50, p975;
  std::optional<double> u, U;  // first order: combined and expanded (k = 2) uncertainty
  std::vector<double> sensitivities, shares;  // first order, one each input
  std::size_t count = 0;                      // the samples that gave this figure
  std::vector<double> values;  // Monte Carlo: every figure the samples gave, in no order
};

struct RangeResult {
  std::vector<FigureRange> figures;
  std::size_t samples = 0;
  std::size_t refused = 0;                      // samples in which some figure was refused
  std::map<std::string, std::size_t> refusals;  // by message
  bool searched = false;                        // bounds: too many inputs to enumerate the corners
  bool cancelled = false;
};

// The bounds of every figure over the box of input ranges: every corner (up to 12 varied
// inputs), a grid inside, then a local search from the best points.
RangeResult bounds(const ModelFactory& factory, const std::vector<InputRange>& inputs,
                   unsigned threads = 0, Progress* progress = nullptr);
// Sensitivities by central differences at the typed values, combined in quadrature.
RangeResult firstOrder(const ModelFactory& factory, const std::vector<InputRange>& inputs);
// samples independent draws; the same seed and samples give the same figures whatever the
// number of threads (draws belong to sample indices).
RangeResult monteCarlo(const ModelFactory& factory, const std::vector<InputRange>& inputs,
                       std::size_t samples, std::uint64_t seed, unsigned threads = 0,
                       Progress* progress = nullptr);

// Each input alone at its low and at its high value, the others at their typed values (the
// bars of a sensitivity chart): one evaluation each input and end; an input that does not
// vary gets none.
struct OneAtATime {
  std::vector<std::optional<Evaluation>> low, high;
};
OneAtATime oneAtATime(const ModelFactory& factory, const std::vector<InputRange>& inputs);

// The inputs of sample `index` of a Monte Carlo run.
std::vector<double> draw(const std::vector<InputRange>& inputs, std::uint64_t seed,
                         std::size_t index);

}  // namespace kelvara::analysis
