// SPDX-License-Identifier: GPL-3.0-or-later

#include "geometry/SmoothCurve.h"

#include <algorithm>
#include <cmath>
#include <gsl/gsl_errno.h>
#include <gsl/gsl_spline.h>

namespace {

// GSL's own handler aborts the program; its return codes are checked instead.
void silenceGslErrors() {
    static const bool silenced = [] {
        gsl_set_error_handler_off();
        return true;
    }();
    (void)silenced;
}

double evaluate(const gsl_spline* spline, double parameter) {
    double value = 0;
    gsl_spline_eval_e(spline, parameter, nullptr, &value);
    return value;
}

// Bisection halves a stretch of the curve to 3e-14 of its length in 45 steps.
constexpr int kBisectionSteps = 45;

} // namespace

struct SmoothCurve::Splines {
    Splines(const std::vector<double>& parameters, const std::vector<double>& xs,
            const std::vector<double>& ys)
        : x(gsl_spline_alloc(gsl_interp_steffen, parameters.size()))
        , y(gsl_spline_alloc(gsl_interp_steffen, parameters.size())) {
        gsl_spline_init(x, parameters.data(), xs.data(), parameters.size());
        gsl_spline_init(y, parameters.data(), ys.data(), parameters.size());
    }
    ~Splines() {
        gsl_spline_free(x);
        gsl_spline_free(y);
    }
    Splines(const Splines&) = delete;
    Splines& operator=(const Splines&) = delete;

    gsl_spline* x;
    gsl_spline* y;
};

SmoothCurve::SmoothCurve(const std::vector<Point2D>& points) {
    silenceGslErrors();
    const std::size_t n = points.size();
    std::vector<double> ys;
    parameters_.reserve(n);
    xs_.reserve(n);
    ys.reserve(n);
    double length = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0)
            length += std::hypot(points[i].x - points[i - 1].x, points[i].y - points[i - 1].y);
        parameters_.push_back(length);
        xs_.push_back(points[i].x);
        ys.push_back(points[i].y);
    }
    splines_ = std::make_unique<Splines>(parameters_, xs_, ys);
}

SmoothCurve::~SmoothCurve() = default;
SmoothCurve::SmoothCurve(SmoothCurve&&) noexcept = default;
SmoothCurve& SmoothCurve::operator=(SmoothCurve&&) noexcept = default;

Point2D SmoothCurve::at(double parameter) const {
    const double s = std::clamp(parameter, 0.0, length());
    return {evaluate(splines_->x, s), evaluate(splines_->y, s)};
}

std::optional<SmoothCurve::Place> SmoothCurve::placeAtX(double x, std::size_t from,
                                                        std::size_t to) const {
    const auto last = static_cast<std::ptrdiff_t>(to);
    const std::ptrdiff_t step = to >= from ? 1 : -1;
    for (auto i = static_cast<std::ptrdiff_t>(from); i != last; i += step) {
        const auto j = static_cast<std::size_t>(i + step);
        const auto k = static_cast<std::size_t>(i);
        if ((xs_[k] - x) * (xs_[j] - x) > 0)
            continue;
        // Between two points the curve's x runs monotonely from one point's x to the other's.
        double near = parameters_[k];
        double far = parameters_[j];
        if (xs_[k] == x)
            return Place{near, k};
        for (int n = 0; n < kBisectionSteps; ++n) {
            const double middle = (near + far) / 2;
            if ((evaluate(splines_->x, middle) - x) * (xs_[k] - x) > 0)
                near = middle;
            else
                far = middle;
        }
        return Place{(near + far) / 2, k};
    }
    return std::nullopt;
}
