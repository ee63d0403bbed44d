// The iron–carbon scale: carbon content and temperature to the pixels of a diagram, the same
// linear mapping wherever the iron–carbon diagram or a corner of it is drawn.
#pragma once

namespace wb::ekd {

// A linear diagram scale: carbon content to the right from `left`, temperature upwards from
// `baseY`. The lessons give their scales in decimal steps (0.43 pixels per °C, 39 pixels per
// 0.2 % C), which binary arithmetic cannot hold exactly; see roundPixel.
struct Scale {
    double left; // x of 0 % C
    double perPercent; // pixels per 1 % C
    double baseY; // y of baseCelsius
    double baseCelsius;
    double perDegree; // pixels per °C
};

// The whole diagram: 0 % C at x = 50 and 6.67 % C at x = 717, 500 °C at y = 493 and 1600 °C at
// y = 20. The drawn points follow it to within a few pixels; the point tables of the diagram are what
// is drawn.
inline constexpr Scale kDiagramScale { 50, 100, 493, 500, 0.43 };

// Rounds a coordinate computed from decimal scale values to a pixel, an exact half to the even
// neighbour. The value is first taken to a millionth of a pixel, so that 4.025 % C, which lies on
// 50 + 402.5 = 452.5, rounds as the half it is (to 452) and not as the 452.50000000000006 binary
// arithmetic makes of it.
int roundPixel(double v);
int carbonX(const Scale& s, double percentC);
int temperatureY(const Scale& s, double celsius);

} // namespace wb::ekd
