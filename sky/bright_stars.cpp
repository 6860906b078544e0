#include "sky/bright_stars.h"

#include <array>

namespace pelmora::sky {

namespace {

constexpr double hours(double h, double m, double s) { return h + m / 60 + s / 3600; }
constexpr double degrees(double sign, double d, double m, double s) { return sign * (d + m / 60 + s / 3600); }

// Places and proper motions from the Hipparcos catalogue (ESA 1997, SP-1200),
// its epoch-1991.25 places carried to J2000.0. Annual parallax (under 0.4
// arcseconds for all of them) and radial velocity are left out.
constexpr std::array kStars = {
    BrightStar{20, 1, hours(1, 54, 38.41), degrees(1, 20, 48, 28.9), 98.74, -110.41},     // Sheratan
    BrightStar{30, 1, 2.11955753, 23.46242310, 190.73, -145.77},                          // Hamal
    BrightStar{40, 1, hours(2, 49, 58.99), degrees(1, 27, 15, 37.8), 65.70, -116.59},     // 41 Arietis
    BrightStar{70, 1, 5.24229787, -8.20164055, 1.87, -0.56},                              // Rigel
    BrightStar{70, 2, 5.27815528, 45.99799106, 75.52, -427.13},                           // Capella
    BrightStar{70, 3, 4.59867740, 16.50930138, 62.78, -189.36},                           // Aldebaran
    BrightStar{80, 1, 5.53344464, -0.29909204, 1.67, 0.56},                               // Mintaka
    BrightStar{80, 2, 5.60355929, -1.20191983, 1.49, -1.06},                              // Alnilam
    BrightStar{80, 3, 5.67931309, -1.94257224, 3.99, 2.54},                               // Alnitak
    BrightStar{80, 4, 5.91952924, 7.40706274, 27.33, 10.86},                              // Betelgeuse
    BrightStar{100, 1, 6.75247697, -16.71611569, -546.01, -1223.08},                      // Sirius
    BrightStar{110, 1, 7.65503283, 5.22499314, -716.57, -1034.58},                        // Procyon
    BrightStar{110, 2, 7.57662855, 31.88827631, -206.33, -148.18},                        // Castor
    BrightStar{110, 3, 7.75526397, 28.02619865, -625.69, -45.95},                         // Pollux
    BrightStar{140, 1, 9.45978980, -8.65860253, -14.49, 33.25},                           // Alphard
    BrightStar{150, 1, 10.13953074, 11.96720709, -249.40, 4.91},                          // Regulus
    BrightStar{150, 2, 10.33287623, 19.84148875, 310.77, -152.88},                        // Algieba
    BrightStar{160, 1, hours(11, 14, 6.50), degrees(1, 20, 31, 25.4), 143.13, -130.43},   // Zosma
    BrightStar{170, 1, 11.81766043, 14.57206038, -499.02, -113.78},                       // Denebola
    BrightStar{200, 1, 13.41988313, -11.16132203, -42.50, -31.73},                        // Spica
    BrightStar{200, 2, hours(13, 49, 30.28), degrees(-1, 41, 41, 15.8), -25.26, -20.21},  // nu Centauri
    BrightStar{210, 1, 14.26102001, 19.18241038, -1093.45, -1999.40},                     // Arcturus
    BrightStar{210, 2, 14.11137457, -36.36995451, -519.29, -517.87},                      // Menkent
    BrightStar{240, 1, 16.49012803, -26.43200250, -10.16, -23.21},                        // Antares
    BrightStar{280, 1, 18.61564903, 38.78369185, 201.02, 287.46},                         // Vega
    BrightStar{290, 1, 19.84638864, 8.86832203, 536.82, 385.54},                          // Altair
    BrightStar{310, 1, 20.69053187, 45.28033800, 1.56, 1.55},                             // Deneb
    BrightStar{340, 1, 22.96084626, -29.62223601, 329.22, -164.22},                       // Fomalhaut
    BrightStar{340, 2, hours(23, 17, 9.94), degrees(1, 3, 16, 56.2), 760.04, 17.58},      // gamma Piscium
    BrightStar{350, 1, hours(23, 39, 57.04), degrees(1, 5, 37, 34.6), 376.34, -437.27},   // iota Piscium
    BrightStar{360, 2, hours(23, 59, 18.69), degrees(1, 6, 51, 48.0), 147.96, -112.33},   // omega Piscium
};

}  // namespace

std::span<const BrightStar> bright_stars() { return kStars; }

}  // namespace pelmora::sky
