#pragma once
#include "birthplace/place_atlas.h"

#include <future>
#include <vector>

// A small birth place atlas that the tests own, so that what they check does not move with the
// library's data: the places the window tests choose, with their real coordinates and zones;
// namesakes whose order the population decides (eleven Springfields, two Madrids, two
// Londons); names that start with the text and names with a later word that does; accents and
// letters without a combining accent; two places that read alike; a place with no state. In an
// order of its own, neither by name nor by size.
inline std::vector<AtlasPlace> Fixture_Atlas_Places()
{
    const QByteArray chicago = "America/Chicago", newYork = "America/New_York";
    const QString usa = QStringLiteral("United States of America");
    return {
        {"West Springfield", "Massachusetts", usa, 42.10704, -72.62037, 27912, newYork},
        {"Zurich", "Canton of Zurich", "Switzerland", 47.36667, 8.55, 341730, "Europe/Zurich"},
        {"Springfield", "Tennessee", usa, 36.50921, -86.885, 16808, chicago},
        {"Lake Zurich", "Illinois", usa, 42.19697, -88.09341, 19993, chicago},
        {"Madrid", "Cundinamarca", "Colombia", 4.73245, -74.26419, 50437, "America/Bogota"},
        {"Springfield", "Illinois", usa, 39.80172, -89.64371, 116565, chicago},
        {"Paulo Afonso", "Estado de Bahia", "Brazil", -9.40611, -38.21472, 85350, "America/Bahia"},
        {"São Paulo", "São Paulo", "Brazil", -23.5475, -46.63611, 10021295, "America/Sao_Paulo"},
        {"Springfield Gardens", "New York", usa, 40.66312, -73.76221, 30515, newYork},
        {"York", "Pennsylvania", usa, 39.9626, -76.72774, 43992, newYork},
        {"Las Rozas de Madrid", "Madrid", "Spain", 40.49292, -3.87371, 95550, "Europe/Madrid"},
        {"Springfield", "Missouri", usa, 37.21533, -93.29824, 166810, chicago},
        {"London", "Ontario", "Canada", 42.98339, -81.23304, 346765, "America/Toronto"},
        {"Lesnoy", "Sverdlovsk", "Russia", 58.63667, 59.80222, 23834, "Asia/Yekaterinburg"},
        {"Springfield", "Oregon", usa, 44.04624, -123.02203, 60870, "America/Los_Angeles"},
        {"Kathmandu", "Bagmati Province", "Nepal", 27.70169, 85.3206, 1442271, "Asia/Kathmandu"},
        {"West New York", "New Jersey", usa, 40.78788, -74.01431, 53366, newYork},
        {"Springfield", "Pennsylvania", usa, 39.93067, -75.32019, 23363, newYork},
        {"Łódź", "Łódź Voivodeship", "Poland", 51.75, 19.46667, 768755, "Europe/Warsaw"},
        {"Springfield", "Massachusetts", usa, 42.10148, -72.58981, 154341, newYork},
        {"Vaduz", "", "Liechtenstein", 47.14151, 9.52154, 5668, "Europe/Vaduz"},
        {"Jeddah", "Mecca Region", "Saudi Arabia", 21.49012, 39.18624, 2867446, "Asia/Riyadh"},
        {"New York", "New York", usa, 40.71427, -74.00597, 8804190, newYork},
        {"Springfield", "Ohio", usa, 39.92423, -83.80882, 59680, newYork},
        {"Yorkton", "Saskatchewan", "Canada", 51.2167, -102.46766, 16343, "America/Regina"},
        {"Lesnoy", "Sverdlovsk", "Russia", 57.6198, 63.0784, 55100, "Asia/Yekaterinburg"},
        {"Madrid", "Madrid", "Spain", 40.4165, -3.70256, 3255944, "Europe/Madrid"},
        {"Springfield", "Virginia", usa, 38.78928, -77.1872, 30484, newYork},
        {"York", "England", "United Kingdom", 53.95763, -1.08271, 153717, "Europe/London"},
        {"West Springfield", "Virginia", usa, 38.77261, -77.22109, 22460, newYork},
        {"London", "England", "United Kingdom", 51.50853, -0.12574, 8961989, "Europe/London"},
        {"Amsterdam", "North Holland", "The Netherlands", 52.37403, 4.88969, 741636, "Europe/Amsterdam"},
        {"Auckland", "Auckland", "New Zealand", -36.84853, 174.76349, 417910, "Pacific/Auckland"},
        {"Athens", "Attica", "Greece", 37.98376, 23.72784, 664046, "Europe/Athens"},
        {"Alexandria", "Alexandria", "Egypt", 31.20176, 29.91582, 3811516, "Africa/Cairo"},
        {"Aarhus", "Central Jutland", "Denmark", 56.15674, 10.21076, 285273, "Europe/Copenhagen"},
    };
}

// A reader of the fixture atlas that waits until the test opens the gate (or the gate is
// destroyed), so that a test can act while the atlas is still being read.
class AtlasGate {
public:
    PlaceAtlas::Reader reader() const
    {
        return [opened = opened_] {
            opened.wait();
            return Fixture_Atlas_Places();
        };
    }
    void open()
    {
        if (!isOpen_)
            gate_.set_value();
        isOpen_ = true;
    }
    bool isOpen() const { return isOpen_; }

private:
    std::promise<void> gate_;
    std::shared_future<void> opened_ = gate_.get_future().share();
    bool isOpen_ = false;
};
