#include "moon/ephemeris.h"

#include <swephexp.h>

#include <array>

namespace {

// The flags every computation asks with: the files, unless the first computation found them
// missing and the library answered from Moshier's theory.
int32& Ephemeris_Flags()
{
    static int32 flags = [] {
        swe_set_ephe_path(const_cast<char*>(ZEV_EPHE_PATH));
        std::array<double, 6> place{};
        std::array<char, AS_MAXCH> error{};
        const int32 answered = swe_calc_ut(2451545.0, SE_MOON, SEFLG_SWIEPH, place.data(), error.data());
        return answered >= 0 && (answered & SEFLG_SWIEPH) ? int32{SEFLG_SWIEPH} : int32{SEFLG_MOSEPH};
    }();
    return flags;
}

double Longitude_Of(int32 body, double julianDayUt, double* latitude = nullptr)
{
    std::array<double, 6> place{};
    std::array<char, AS_MAXCH> error{};
    swe_calc_ut(julianDayUt, body, Ephemeris_Flags(), place.data(), error.data());
    if (latitude)
        *latitude = place[1];
    return place[0];
}

}  // namespace

EphemerisSource Ephemeris_Source()
{
    return Ephemeris_Flags() == SEFLG_SWIEPH ? EphemerisSource::Files : EphemerisSource::Moshier;
}

MoonAndSun Moon_And_Sun_At(double julianDayUt)
{
    MoonAndSun places{};
    places.moonLongitude = Longitude_Of(SE_MOON, julianDayUt, &places.moonLatitude);
    places.sunLongitude = Longitude_Of(SE_SUN, julianDayUt);
    return places;
}

QString Ephemeris_Text()
{
    std::array<char, AS_MAXCH> version{};
    swe_version(version.data());
    const QString library = QStringLiteral("Swiss Ephemeris %1").arg(QString::fromLatin1(version.data()));
    if (Ephemeris_Source() == EphemerisSource::Files)
        return QStringLiteral("Times from the %1, its JPL-based files in %2.").arg(library, QStringLiteral(ZEV_EPHE_PATH));
    return QStringLiteral("Times from the %1, Moshier's theory: the files were not found in %2 "
                          "(install swe-basic-data for the full ephemeris).")
        .arg(library, QStringLiteral(ZEV_EPHE_PATH));
}
