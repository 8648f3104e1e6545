// SPDX-License-Identifier: GPL-3.0-or-later

#include "ribs/NacaAirfoil.h"

#include "base/TextEncoding.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace {

// Points per surface, leading and trailing edge included.
constexpr int kSurfacePoints = 81;

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The half thickness of the published formula, for thickness t in chords.
double halfThickness(double x, double t) {
    return 5 * t *
           (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x + 0.2843 * x * x * x -
            0.1036 * x * x * x * x);
}

struct CamberLine {
    double y = 0;
    double slope = 0;
};

CamberLine camberAt(double x, double m, double p) {
    if (m == 0 || p == 0)
        return {};
    if (x < p)
        return {m / (p * p) * (2 * p * x - x * x), 2 * m / (p * p) * (p - x)};
    const double q = (1 - p) * (1 - p);
    return {m / q * (1 - 2 * p + 2 * p * x - x * x), 2 * m / q * (p - x)};
}

} // namespace

std::optional<NacaDigits> nacaDigitsOf(std::string_view name) {
    name = trimmed(name);
    if (name.size() < 8 || !equalsIgnoringAsciiCase(name.substr(0, 4), "NACA"))
        return std::nullopt;
    const std::string_view digits = trimmed(name.substr(4));
    if (digits.size() != 4 || !std::ranges::all_of(digits, isDigit))
        return std::nullopt;
    return NacaDigits{digits[0] - '0', digits[1] - '0', (digits[2] - '0') * 10 + (digits[3] - '0')};
}

std::vector<Point2D> nacaFormulaPoints(const NacaDigits& digits) {
    const double m = digits.camberPercent / 100.0;
    const double p = digits.camberTenths / 10.0;
    const double t = digits.thicknessPercent / 100.0;
    std::vector<Point2D> upper;
    std::vector<Point2D> lower;
    for (int i = 0; i < kSurfacePoints; ++i) {
        const double x =
            (1 - std::cos(std::numbers::pi * i / (kSurfacePoints - 1))) / 2; // dense at both edges
        const double half = halfThickness(x, t);
        const CamberLine camber = camberAt(x, m, p);
        const double theta = std::atan(camber.slope);
        upper.push_back({x - half * std::sin(theta), camber.y + half * std::cos(theta)});
        lower.push_back({x + half * std::sin(theta), camber.y - half * std::cos(theta)});
    }
    // The formula meets itself at both edges; exactly so, whatever the rounding.
    upper.back() = lower.back() = {1, 0};
    upper.front() = lower.front() = {0, 0};
    std::vector<Point2D> points(upper.rbegin(), upper.rend());
    points.insert(points.end(), lower.begin() + 1, lower.end());
    return points;
}

std::optional<Airfoil> nacaAirfoil(std::string_view name) {
    const std::optional<NacaDigits> digits = nacaDigitsOf(name);
    if (!digits || digits->thicknessPercent < 1)
        return std::nullopt;
    NormalisedPoints section = normaliseAirfoil(nacaFormulaPoints(*digits));
    if (section.fault)
        return std::nullopt;
    const std::string designation =
        std::to_string(digits->camberPercent) + std::to_string(digits->camberTenths) +
        (digits->thicknessPercent < 10 ? "0" : "") + std::to_string(digits->thicknessPercent);
    return Airfoil{"NACA " + designation, std::move(section.points)};
}
