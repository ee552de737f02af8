#pragma once
#include <array>
#include <string_view>

// The long descriptive texts of a gemology reading: one paragraph per lucky stone, shown on the
// sun-sign, moon-sign and birth-stone pages and copied into the report. Each is plain ASCII with
// no line breaks.
namespace Stone_Texts {

// ---- Sun-sign stones, Aries to Pisces ----

inline constexpr std::string_view Sun_Aries_Diamond =
    "Diamond is the best choice for the people born under Aries. Formed from pure carbon "
    "deep within the earth and carried up by old volcanic pipes, it is the hardest natural "
    "substance known, and its name comes from a Greek word meaning unconquerable. For the "
    "bold and restless Arian it is said to strengthen courage, sharpen clear thinking and "
    "steady a hasty temper. It is best set in white gold or platinum and worn on the middle "
    "finger of the right hand.";

inline constexpr std::string_view Sun_Taurus_Emerald =
    "The most recommended stone for the Taurus people is the Emerald, the green beryl whose "
    "deep colour comes from traces of chromium and vanadium. The finest crystals have long "
    "been mined in Colombia, and also come from Zambia and Brazil. Venus rules Taurus, and "
    "the stone of Venus is believed to bring the steady Bull harmony in love, patience, good "
    "health and a gentle wit. It is often worn in a gold ring.";

inline constexpr std::string_view Sun_Gemini_Pearl =
    "The best stone for the Twins is the Pearl. The only gem made by a living creature, it "
    "forms when an oyster or a mussel coats a grain of grit with layers of nacre, which give "
    "it its soft glow. Natural pearls were once fished in the Persian Gulf, while most today "
    "are farmed in Japan and China. For the quick and changeable Geminian it is believed to "
    "calm a racing mind, soothe the nerves and bring balance to speech and friendships. It "
    "is worn near the skin as a pendant or a ring.";

inline constexpr std::string_view Sun_Cancer_Ruby =
    "For the Cancerians. Ruby is said to be the luckiest of all stones, as it gives warmth "
    "and courage to a tender and shy sign. Ruby is the red variety of corundum, second only "
    "to diamond in hardness, and its colour comes from a trace of chromium. The finest, "
    "called pigeon's blood, come from the Mogok valley of Myanmar, and others are found in "
    "Thailand, Sri Lanka and Mozambique. Worn in a gold ring on the ring finger, it is "
    "believed to lift the moods of the Crab, guard the home and bring confidence and "
    "success.";

inline constexpr std::string_view Sun_Leo_Peridot =
    "The green colored stone - Peridot, is the recommended one for the proud and generous "
    "Leo. It is the gem form of the mineral olivine and one of the few gems found in only "
    "one colour, an olive or lime green due to iron. It forms deep in the mantle and reaches "
    "the surface in lavas, and it has even been found in meteorites. Set in gold, it is said "
    "to ease jealousy and anger and to bring the Lion warmth, friendship and good fortune.";

inline constexpr std::string_view Sun_Virgo_Sapphire =
    "For the modest and the disciplined Virgo, Sapphire is the stone of choice. This hard "
    "corundum is best known in cornflower blue, though it also occurs in pink, yellow and "
    "green. Kashmir, Sri Lanka and Madagascar are its best sources. It is believed to bring "
    "the careful Virgin calm judgement, clear focus and loyal friends.";

inline constexpr std::string_view Sun_Libra_Opal =
    "Opal is the most recommended gemstone for the Librans. The stone is made of tiny "
    "spheres of silica and water, which split light into flashing rainbow colours known as "
    "play of colour. Most of the world's fine precious opal comes from Australia, with more "
    "found in Mexico and Ethiopia. Ruled by Venus, the Libran is said to gain charm, "
    "creativity and love from it.";

inline constexpr std::string_view Sun_Scorpio_Cats_Eye =
    "Cat's eye is probably the best stone for the scorpions. This honey-yellow chrysoberyl "
    "shows a sharp band of light that glides over its dome like the eye of a cat. It is said "
    "to guard the Scorpion from hidden enemies.";

inline constexpr std::string_view Sun_Sagittarius_Coral =
    "The dominant Sagi needs to wear the Coral gem for strength, energy and protection on "
    "his journeys. Red coral is the branching skeleton of tiny sea creatures and has been "
    "gathered in the Mediterranean for thousands of years. Set in gold or copper, it is "
    "believed to bring the Archer courage and good health.";

inline constexpr std::string_view Sun_Capricorn_Garnet =
    "Garnet is the ideal stone for the Capricorns. The red gem of Saturn's sign is thought "
    "to bring the patient and hardworking Capricorn energy, loyalty and steady success.";

inline constexpr std::string_view Sun_Aquarius_Hessonite =
    "Gomed or the Hessonite is the lucky stone for those born under Aquarius. It is an "
    "orange to honey-brown variety of grossular garnet, most of it mined in Sri Lanka and in "
    "India. In Vedic lore it is the gem of Rahu, and it is said to clear confusion, ward off "
    "sudden misfortune and bring the Water Bearer fame and sharper insight.";

inline constexpr std::string_view Sun_Pisces_Aquamarine =
    "The lucky stone for the Pisces is the Aquamarine. The pale sea-blue beryl takes its "
    "name from the Latin for water of the sea, and sailors once carried it to keep them safe "
    "on the waves. Fine crystals come from Brazil, Madagascar, Nigeria and Pakistan. It is "
    "said to soothe the dreamy Fish, bring courage and ease fear and worries.";

// ---- Birth-month stones, January to December ----

inline constexpr std::string_view Month_January_Garnet =
    "The term 'Garnet' has been derived from the Latin word granatum, meaning pomegranate, "
    "as its small red crystals look like the seeds of that fruit. Garnet is not one mineral "
    "but a family of silicates, and besides deep red it comes in green, orange, purple and "
    "even rare blue. It is found in India, Sri Lanka, Africa and the Czech lands, where "
    "Bohemian garnet jewellery was long in fashion. Travellers carried it as a shield "
    "against harm, and it is believed to bring its wearer constancy, trust, vitality and "
    "success.";

inline constexpr std::string_view Month_February_Amethyst =
    "The term 'Amethyst' has been derived from the Greek word amethystos, meaning not "
    "intoxicated, since the Greeks believed that a cup carved from it kept the drinker "
    "sober. It is the purple variety of quartz, coloured by traces of iron and natural "
    "radiation, and large geodes of it are found in Brazil and Uruguay, while Zambia yields "
    "deeply violet stones. Once worn by bishops and kings, it is the stone of February and "
    "is believed to bring its wearer peace of mind, clear thought, sober judgement and calm "
    "sleep.";

inline constexpr std::string_view Month_March_Aquamarine =
    "The term 'Aquamarine' has been derived from the Roman word for sea water, as its colour "
    "recalls a shallow sea. Like emerald it belongs to the beryl family, and it owes its "
    "tint to a trace of iron. It grows into long, clear crystals, some weighing many "
    "kilograms, and the finest come from Brazil, with more from Madagascar, Nigeria and "
    "Pakistan. Sailors of old wore it as a charm against storms and drowning. The birthstone "
    "of March, it is believed to calm the nerves, bring courage and clear speech, and keep a "
    "happy marriage strong and fresh.";

inline constexpr std::string_view Month_April_Diamond =
    "The richest cousin of Graphite, diamond is considered to the king of all gems. Both are "
    "pure carbon, but in diamond the atoms are bound so tightly that no natural stone is "
    "harder. Most diamonds are mined in Africa, Russia and Canada. The birthstone of April, "
    "it stands for lasting love and is thought to bring strength, clarity and purity.";

inline constexpr std::string_view Month_May_Emerald =
    "The term 'Emerald' has been derived from the Greek word smaragdos, meaning a green "
    "stone. Its rich colour, caused by chromium or vanadium, made it a favourite of Queen "
    "Cleopatra, whose mines lay in the deserts of ancient Egypt. Today the finest stones "
    "come from Colombia, Zambia and Brazil, and most contain tiny inclusions called the "
    "garden. As the stone of May it stands for rebirth and is said to bring love, wisdom and "
    "foresight.";

inline constexpr std::string_view Month_June_Pearl_Moonstone =
    "As per the Hindu or the Indian mythology, pearls are drops of dew or rain that fell "
    "into an opened shell under a full moon and hardened into gems, and Lord Krishna is said "
    "to have found the first one in the sea. Pearls grow inside oysters and mussels, which "
    "coat an irritant with smooth layers of nacre. The other June stone, moonstone, is a "
    "feldspar showing a soft blue sheen floating under its surface, and it is mined in Sri "
    "Lanka and India. Both stones are linked with the Moon; they are believed to bring the "
    "wearer calm feelings, purity, good fortune in love and a peaceful home.";

inline constexpr std::string_view Month_July_Ruby =
    "The term 'Ruby' has been derived from the Latin word ruber, meaning red, and in "
    "Sanskrit it was called ratnaraj, the king of precious stones. Ruby is a form of "
    "corundum, and the chromium that gives it its colour also makes it glow red under "
    "ultraviolet light. The most famous rubies come from the Mogok valley of Myanmar, while "
    "Thailand, Sri Lanka, Mozambique and Madagascar also supply fine stones. Ancient "
    "warriors set rubies in their armour to make them invincible in battle. As the "
    "birthstone of July, it is believed to bring passion, courage, health, wealth and "
    "protection to its wearer.";

inline constexpr std::string_view Month_August_Peridot =
    "One of the oldest gems, Peridot is also known as chrysolite, and the ancient Egyptians "
    "called it the gem of the sun. For over three thousand years it was mined on Zabargad, "
    "an island in the Red Sea, and many emeralds of old church treasures have proved to be "
    "peridots. Today it comes from Arizona, Pakistan, Myanmar and China. Its olive green "
    "colour is caused by iron, and it glows even by lamplight. The birthstone of August, it "
    "is believed to drive away nightmares and evil spirits and to bring peace and good luck.";

inline constexpr std::string_view Month_September_Sapphire =
    "The word 'Sapphire' has been derived from the Latin word sapphirus, meaning blue, "
    "itself taken from the Greek sappheiros. Sapphire is corundum, the same mineral as ruby, "
    "and every colour but red is called sapphire, though blue, from iron and titanium, is "
    "the best known. The finest stones come from Kashmir, Myanmar and Sri Lanka. Kings and "
    "priests wore it against envy and harm, and it has long stood for truth and faith. The "
    "birthstone of September, it is believed to bring wisdom, loyalty and a calm, clear "
    "mind.";

inline constexpr std::string_view Month_October_Opal_Tourmaline =
    "The birthstone for the month of October - the Opal - is famous for its play of colour, "
    "in which flashes of red, green and blue shift as the stone moves. It is a form of "
    "silica that holds some water, so it should be kept away from heat and hard knocks. Most "
    "precious opal comes from Australia, with more from Ethiopia and from Mexico. The Romans "
    "prized it as the most precious of gems, as it seemed to hold the colours of all the "
    "others. The second October stone, tourmaline, comes in almost every colour, often "
    "several in one crystal. Both are believed to bring hope, creativity, faith and a "
    "cheerful spirit.";

inline constexpr std::string_view Month_November_Topaz_Citrine =
    "The word 'Topaz' has been derived from the Greek word Topazios, the name of an island "
    "in the Red Sea, though some trace it to the Sanskrit tapas, meaning fire. Yellow topaz "
    "and citrine, the golden variety of quartz, are the two birthstones of November. Topaz "
    "is mined in Brazil, Russia and Sri Lanka, and most citrine comes from Brazil. The "
    "ancient Greeks believed that topaz gave them great strength. Both stones are said to "
    "bring the wearer warmth, joy, wealth and good health.";

inline constexpr std::string_view Month_December_Zircon_Turquoise =
    "'Zircon' - the name has been derived from the Arabic zarkun, meaning vermilion, or from "
    "the Persian zargun, meaning gold-coloured. Zircon is among the oldest minerals on "
    "earth; some grains are over four billion years old. Its blue form, mostly from "
    "Cambodia, owes its vivid shade to heating. Turquoise, the other December stone, is an "
    "opaque blue-green mineral of copper that has been mined in Iran, Egypt and the American "
    "southwest for millennia. Both are believed to bring wisdom, honour, wealth and safe "
    "travel.";

// ---- Moon-sign stones ----
// Gemini and Virgo share the emerald text; Aquarius uses the January garnet text above. The two
// coral texts (Aries, Scorpio) differ only in their last sentence.

inline constexpr std::string_view Moon_Aries_Coral =
    "Very commonly known as 'Pala', coral is a semi-precious stone. It is not a mineral at "
    "all but the hard skeleton of colonies of tiny sea animals, and the prized red kind "
    "grows in the Mediterranean and the seas near Japan and Taiwan. In Vedic astrology coral "
    "belongs to Mars, the ruler of Aries and Scorpio. Set in gold or copper, it should be "
    "worn on the ring finger of the right hand on a Tuesday morning. It is believed to bring "
    "courage, vigour and quick decisions to the fiery Aries and to calm a hot temper.";

inline constexpr std::string_view Moon_Taurus_Diamond =
    "It is no doubt the costliest stone just after Ruby. Diamond is pure carbon crystallised "
    "under great heat and pressure deep in the earth, and it is so hard that only another "
    "diamond can cut it. India was the only source of diamonds until the eighteenth century, "
    "when they were found in Brazil, and later in South Africa, Russia, Botswana and Canada. "
    "In Vedic astrology the diamond belongs to Venus, the ruler of Taurus. Worn in platinum "
    "or in white gold on the middle finger on a Friday, it is said to bring the Taurean "
    "love, beauty, comfort and lasting wealth.";

inline constexpr std::string_view Moon_Gemini_Virgo_Emerald =
    "It is considered to be a gemstone of patience and wisdom. In Vedic astrology emerald is "
    "the stone of Mercury, which rules both Gemini and Virgo, and so it suits a moon in "
    "either sign. The green beryl is set in gold and worn on the little finger on a "
    "Wednesday. It is thought to sharpen the mind and memory, improve speech and skill in "
    "business and bring calm to a restless, busy heart.";

inline constexpr std::string_view Moon_Cancer_Pearl =
    "Pearls are a type of precious stones which not only look lovely but are also thought to "
    "carry the cool, soothing power of the Moon, the ruler of Cancer. They form inside "
    "oysters and mussels, layer by layer, and the best show a soft deep lustre. A round "
    "white pearl set in silver is worn on the little finger on a Monday. It is said to calm "
    "the emotions of the Crab, ease anger and worry and bring a peaceful home.";

inline constexpr std::string_view Moon_Leo_Ruby =
    "A precious stone. When used with gold, Ruby showers a wealth of energy and warmth on "
    "its wearer, as befits the gem of the Sun, which rules Leo. It is the red form of "
    "corundum, and its fiery colour comes from a trace of chromium. The best rubies have "
    "long been dug from the Mogok valley of Myanmar, and fine stones are also found in Sri "
    "Lanka, Thailand and East Africa. A ruby of good colour should be set in gold and worn "
    "on the ring finger of the right hand on a Sunday at sunrise. For a moon in Leo it is "
    "believed to bring self-confidence, leadership, good health, fame and the favour of "
    "those in high office.";

inline constexpr std::string_view Moon_Libra_Diamond =
    "The richest cousin of Graphite, Diamonds are of various kinds, from the colourless "
    "stones most prized in jewellery to rare fancy shades of yellow, pink, blue and green, "
    "which come from traces of other elements or flaws in the crystal. Both diamond and "
    "graphite are made of carbon, but in diamond the atoms form a rigid lattice that makes "
    "it the hardest natural material. Old Indian texts sorted diamonds into castes by "
    "colour. Venus rules Libra, and the diamond is the gem of Venus. Worn in platinum or "
    "silver on a Friday, it is thought to bring the Libran balance, grace, artistic gifts "
    "and a happy marriage.";

inline constexpr std::string_view Moon_Scorpio_Coral =
    "Very commonly known as 'Pala', coral is a semi-precious stone. It is not a mineral at "
    "all but the hard skeleton of colonies of tiny sea animals, and the prized red kind "
    "grows in the Mediterranean and the seas near Japan and Taiwan. In Vedic astrology coral "
    "belongs to Mars, the ruler of Aries and Scorpio. Set in gold or copper, it should be "
    "worn on the ring finger of the right hand on a Tuesday morning. It is believed to bring "
    "strength, willpower, insight and protection from enemies to the intense Scorpion.";

inline constexpr std::string_view Moon_Sagittarius_Peridot =
    "One of the oldest gems, Peridot is also known as the evening emerald, for its green "
    "light does not fade after dark. It is the gem variety of olivine, a mineral born deep "
    "inside the earth and brought up by volcanoes. The Crusaders carried it back home to "
    "Europe, where it adorned many church treasures. Some astrologers link it with Jupiter, "
    "the ruler of Sagittarius. Set in gold and worn on the index finger, it is said to bring "
    "the wandering Archer optimism, wisdom, luck on long journeys and freedom from all envy.";

inline constexpr std::string_view Moon_Capricorn_Sapphire =
    "The stone with the blue cosmic rays is ruled by Saturn, the lord of Capricorn, and it "
    "is known in India as Neelam. Blue sapphire is corundum coloured by iron and titanium, "
    "and the finest, a velvety cornflower blue, come from Kashmir, while Sri Lanka, Myanmar, "
    "Thailand and Madagascar are also important sources. It is said to be the fastest acting "
    "of all gems, so astrologers advise wearing it on trial for a few days before buying. It "
    "is set in silver or white gold and worn on the middle finger of the right hand on a "
    "Saturday. For a moon in Capricorn it is believed to bring discipline, wealth and "
    "success.";

inline constexpr std::string_view Moon_Pisces_Yellow_Sapphire =
    "The word 'Sapphire' has been derived from the Latin word sapphirus, but the stone for a "
    "moon in Pisces is the yellow kind, known in India as Pukhraj. Its warm golden colour "
    "comes from traces of iron, and the finest stones are found in Sri Lanka, Thailand and "
    "Australia. It is the gem of Jupiter, the ruler of Pisces, and is set in gold and worn "
    "on the index finger on a Thursday. It is believed to bring the gentle Fish wisdom, "
    "faith, sound health, a happy marriage and wealth.";

// By sun sign, in zodiac order from Aries.
inline constexpr std::array<std::string_view, 12> Sun_Texts = {
    Sun_Aries_Diamond,
    Sun_Taurus_Emerald,
    Sun_Gemini_Pearl,
    Sun_Cancer_Ruby,
    Sun_Leo_Peridot,
    Sun_Virgo_Sapphire,
    Sun_Libra_Opal,
    Sun_Scorpio_Cats_Eye,
    Sun_Sagittarius_Coral,
    Sun_Capricorn_Garnet,
    Sun_Aquarius_Hessonite,
    Sun_Pisces_Aquamarine,
};

// By birth month, from January.
inline constexpr std::array<std::string_view, 12> Month_Texts = {
    Month_January_Garnet,
    Month_February_Amethyst,
    Month_March_Aquamarine,
    Month_April_Diamond,
    Month_May_Emerald,
    Month_June_Pearl_Moonstone,
    Month_July_Ruby,
    Month_August_Peridot,
    Month_September_Sapphire,
    Month_October_Opal_Tourmaline,
    Month_November_Topaz_Citrine,
    Month_December_Zircon_Turquoise,
};

// By moon sign, in zodiac order from Aries.
inline constexpr std::array<std::string_view, 12> Moon_Texts = {
    Moon_Aries_Coral,
    Moon_Taurus_Diamond,
    Moon_Gemini_Virgo_Emerald,
    Moon_Cancer_Pearl,
    Moon_Leo_Ruby,
    Moon_Gemini_Virgo_Emerald,
    Moon_Libra_Diamond,
    Moon_Scorpio_Coral,
    Moon_Sagittarius_Peridot,
    Moon_Capricorn_Sapphire,
    Month_January_Garnet,
    Moon_Pisces_Yellow_Sapphire,
};

}  // namespace Stone_Texts
