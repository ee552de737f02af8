#pragma once
#include <array>
#include <cstddef>
#include <string_view>

// The descriptions of the 33 healing stones, one paragraph of plain ASCII prose each.
// Text n belongs to stone n of the healing catalogue (Red Jasper is 1, Aquamarine is 33).
inline constexpr std::array<std::string_view, 33> Stone_Descriptions{
    // 1 Red Jasper
    "As the name implies, Red Jasper is a brick-red variety of jasper, a fine-grained "
    "chalcedony colored by iron oxides. It is found in India, Brazil, South Africa and the "
    "United States. Ancient warriors carried it as a shield stone, and it is tied to the root "
    "chakra. Healers use it to warm compassion and restore emotional balance, to support the "
    "ovaries, prostate, kidneys and bladder, and as an aid in bronchitis and diabetes.",
    // 2 Green Aventurine
    "Aventurine is translucent and/or opaque green colored quartz. Its green comes from tiny "
    "flakes of fuchsite, a chrome-rich mica, which give the stone a glitter known as "
    "aventurescence. The best pieces come from India, with more from Brazil, Russia and "
    "Chile. Called the 'stone of opportunity', it is carried by gamblers and traders as a "
    "charm for luck. Healers link it to the heart chakra and use it for emotional balance, to "
    "calm fever and eczema, to ease stress, and to support the gall bladder, spleen and "
    "pancreas.",
    // 3 Sodalite
    "Sodalite is one of the most common minerals of the feldspathoid group, a royal blue "
    "stone veined with calcite. It is mined in Canada, Brazil and Namibia. Seen as a stone of "
    "logic and truth, it is said to improve self expression and spiritual growth. Healers use "
    "it for blood pressure, sinus, burns and impotence, and for the pineal gland.",
    // 4 Hematite
    "Hematite is a silver-colored, shiny and opaque gemstone cut from the chief ore of iron, "
    "whose red streak gave it a name from the Greek word for blood. It is mined in Brazil, "
    "England, Canada and near Lake Superior. Long treated as a grounding and protective "
    "stone, it is said to lift depression and guard the self. Healers use it for anemia, neck "
    "tension and muscular sprains, and for the pubic bones, legs and feet, testicles and "
    "coccyx.",
    // 5 Moonstone
    "Associated with the planet Moon, Moonstone is said to hold the changing light of the "
    "night sky. It is a feldspar whose thin inner layers scatter light into a bluish sheen "
    "called adularescence. Fine stones come from Sri Lanka, India and Myanmar. Held sacred to "
    "lunar goddesses, it is a woman's stone: healers use it for PMS, menopause, fertility and "
    "other reproductive problems, for the stomach, for emotional balance and to sharpen "
    "intuition.",
    // 6 Tiger Eye
    "Tiger Eye is derived from a mineral called crocidolite, a blue asbestos whose fibers "
    "were replaced by quartz while keeping their form. Polished, the golden-brown stone shows "
    "a moving band of light like the eye of a cat. Most comes from South Africa, with more "
    "from Australia and India. Roman soldiers wore it in battle. Healers say it calms anxiety "
    "and awakens creativity, and use it for ulcers, gall stones, hay fever and hypochondria, "
    "and for the prostate, kidneys and gall bladder.",
    // 7 Rose Quartz
    "Rose Quartz is one of the most valuable stones of the heart in crystal lore, a pale to "
    "deep pink quartz tinted by tiny fibers of a mineral akin to dumortierite. It is mined in "
    "Brazil, Madagascar and South Africa. Known as the stone of love, it was long linked to "
    "the goddesses of love. Healers say it removes anger and brings emotional balance, and "
    "use it for bruises, angina, asthma, poor eyesight, sciatica and migraine, and for the "
    "heart, lungs, breasts, shoulders, arms, stomach and liver.",
    // 8 Carnelian
    "Carnelian is the stone of creativity, courage and vitality, a translucent orange to red "
    "chalcedony colored by iron. It comes from India, Brazil and Uruguay, and Egyptians set "
    "it in amulets for the dead. Healers say it controls emotions and builds assertiveness, "
    "and use it for circulation, rheumatism, arthritis, immunity, menstrual cramps, and the "
    "blood, adrenals and kidneys.",
    // 9 Jade
    "One of the toughest gemstone, Jade is also one of the most revered, a name shared by two "
    "minerals, jadeite and nephrite, whose entwined fibers make them hard to break. Green is "
    "the best known shade, but it also occurs in white and lavender. Myanmar, Guatemala and "
    "New Zealand are its sources. Healers use it for emotional balance, compassion and "
    "courage, and for kidney and bladder stones and high blood pressure.",
    // 10 Amethyst
    "A form of quartz, Amethyst is high in spiritual value and owes its violet hue to traces "
    "of iron. It comes from Brazil and Uruguay. The Greeks believed it kept the drinker "
    "sober. Healers say it calms anger and impatience and awakens psychic gifts and spiritual "
    "growth, and use it for addictions, headaches, fainting and blood sugar, and for the "
    "eyes, scalp and hair.",
    // 11 Bloodstone
    "A green stone with red spots, Bloodstone is a dark chalcedony, also called heliotrope, "
    "flecked with red jasper. It is found in India and Brazil. Legend says it formed from "
    "drops of blood shed at the Crucifixion. Healers use it to stop bleeding, ease cramps and "
    "stress, and say it brings vitality, intuition and creativity.",
    // 12 Emerald
    "Gemstones of stunning green color, Emeralds hail from Colombia, Brazil, Zambia, "
    "Afghanistan and Pakistan. An emerald is a beryl colored by traces of chromium or "
    "vanadium, and most stones have inclusions that jewelers call the 'garden'. Cleopatra "
    "treasured them, and the Incas and Mughal emperors wore them as signs of rank. It is the "
    "birthstone of May. Healers say it lifts depression, cures insomnia and gives patience, "
    "and use it for memory, ear problems, childbirth and eyesight, and for the brain, eyes, "
    "heart, lymph nodes, pineal gland and reproductive system.",
    // 13 Ruby
    "A bright red gemstone, Ruby is derived from corundum, the mineral of sapphire, and owes "
    "its color to chromium. The finest, called pigeon's blood, come from Myanmar, with others "
    "from Thailand and Sri Lanka. In India it was the king of gems. Healers say it increases "
    "stamina and warms the emotions, and use it for circulation, cholesterol, impotency and "
    "depression, and for the heart and pituitary gland.",
    // 14 Sapphire
    "Also known as the 'stone of creativity, expressing wisdom', Sapphire is a corundum that "
    "is best known in deep blue but appears in every color except red. It is mined in Sri "
    "Lanka, Kashmir, Myanmar, Madagascar and Australia. Healers say it calms and clears the "
    "mind and sharpens intuition, and use it for fever, nosebleeds, tuberculosis and burns, "
    "and for the pituitary, heart and stomach.",
    // 15 Diamond
    "The 'king of gems', Diamond is one of the hardest natural materials, pure carbon formed "
    "deep in the earth under intense heat and pressure. It is mined in Botswana, Russia and "
    "Canada. Its name comes from the Greek word for unconquerable. Healers say it sharpens "
    "the mind, builds trust and confidence, and clears blockages of body and spirit.",
    // 16 Pearl
    "Referred to as the 'calming stone', Pearl keeps its wearer cool and composed. Unlike "
    "other gems it grows inside a living oyster or mussel, which coats an irritant with "
    "layers of nacre. Wild pearls came from the Persian Gulf; most today are farmed in Japan, "
    "China and Tahiti. Tied to the Moon, it is used by healers to soothe anxiety, anger and "
    "hypertension, and for the heart and brain.",
    // 17 Coral
    "Due to its high content of calcium carbonate, Coral is known as a builder of bone. It is "
    "not a mineral but the branching skeleton of sea animals, and the prized red kind is "
    "fished in the Mediterranean and off Japan. Sailors wore it against storms; Vedic lore "
    "makes it the gem of Mars. Healers say it steadies the emotions and gives wisdom, and use "
    "it for the brain, heart, muscles, blood, thyroid and spine.",
    // 18 Turquoise
    "Considered to be one of the most sacred stones of the Native Americans and Persians, "
    "Turquoise is a sky blue to greenish copper aluminum phosphate. It is mined in Iran, the "
    "American Southwest, China and Egypt. Healers say it calms the nerves, steadies mood "
    "swings and aids self expression, and use it for eyesight, headaches, sinus and migraine.",
    // 19 Peridot
    "Peridot is known to be one of the few gems that come in only one color, an olive to lime "
    "green given by iron. It is the gem form of olivine, formed deep in the mantle and "
    "brought up by volcanoes, and some has even arrived in meteorites. It is found in "
    "Arizona, Pakistan, Myanmar and on an island in the Red Sea. Healers say it builds "
    "confidence and removes guilt, and use it for the tongue and brain, for clear speech and "
    "stammering.",
    // 20 Jasper
    "Jasper is a red colored stone, the shade coming from iron, though the name also covers "
    "brown, yellow and green varieties. It is an opaque, fine-grained quartz found in India, "
    "Brazil, Madagascar and the United States. Called the supreme nurturer, it was once "
    "thought to call rain. Healers say it energizes and aids decision making, and use it for "
    "epilepsy, digestive problems and bleeding, and for the ovaries, kidneys, sacrum and "
    "prostate.",
    // 21 Topaz
    "The word Topaz has been derived from a Sanskrit word, \"tapas\", meaning fire, though some "
    "trace it to Topazios, an island in the Red Sea. It is a silicate of aluminum and "
    "fluorine that forms golden, brown, blue, pink and clear crystals. Brazil, Russia, "
    "Pakistan and Sri Lanka are its chief sources. The Greeks believed it gave them strength, "
    "and healers say it eases anxiety and insomnia and use it for stress, digestion, "
    "tuberculosis, and kidney and bladder stones, and for the throat and thyroid.",
    // 22 Garnet
    "The term 'Garnet' has been derived from the Latin granatum, the pomegranate, whose red "
    "seeds the small crystals resemble. Garnets are a family of silicates found worldwide, in "
    "India, Sri Lanka, Africa and the Czech lands. Healers say it lifts depression and "
    "removes inhibitions, and use it for the root chakra, for paralysis and to revive sex "
    "drive.",
    // 23 Azurite
    "Also referred to as the 'stone of heavens', Azurite is a deep blue copper carbonate, "
    "often found with green malachite. It forms in copper deposits in Arizona, Mexico, France "
    "and Namibia. Painters once ground it into blue pigment, and Egyptian priests prized it. "
    "Healers use it to help meditation, remove fear, aid growth and concentration, and for "
    "the thyroid, temples and pineal gland.",
    // 24 Cat's Eye
    "A valuable stone that is known to harmonize mind and body, Cat's Eye is a honey to green "
    "chrysoberyl whose fine needles cast a sharp band of light. It comes from Sri Lanka and "
    "India. Healers say it brings intuition and protection, strength and stamina, and use it "
    "for memory and eyesight, and for the brain and eyes.",
    // 25 Goldstone
    "This is the only man-made stone. Goldstone is a glass filled with copper crystals that "
    "glitter like gold dust, first made by glass makers in Venice. A blue form holds cobalt. "
    "Healers say it stabilizes emotions and keeps one calm, and use it for tension, stress, "
    "circulation and metabolism, and for the solar plexus, liver and gall bladder.",
    // 26 Malachite
    "A 'stone of transformation', Malachite is associated with change and growth. It is a "
    "banded green copper carbonate from the Congo, Russia and Zambia. Healers say it controls "
    "anger, helps concentration and intuition and lifts depression, and use it for pain, "
    "inflammation, kidney stones and lungs.",
    // 27 Quartz
    "A crystal rock consisting of silicon dioxide, Quartz is one of the most common minerals "
    "on earth, found in clear, smoky, milky and colored forms. Fine clear crystals come from "
    "Brazil, Arkansas and Madagascar. Called the 'master healer', it is used to amplify "
    "energy, bring self harmony, remove negative energy and aid focus, and for the brain, "
    "head and pituitary.",
    // 28 Selenite
    "It is a stone of 'organic origin'. This is how some old books describe Selenite, though "
    "it is a clear, satiny form of gypsum left as salty water dries. Its name comes from the "
    "Greek for Moon. It is quarried in Mexico and Morocco. Healers say it removes negative "
    "energy and clears the head.",
    // 29 Lapis Lazuli
    "The term Lapis Lazuli has been derived from the Latin \"lapis\", stone, and the Persian "
    "\"lazhward\", blue. It is a deep blue rock of lazurite, flecked with golden pyrite, mined "
    "for six thousand years in Afghanistan and also in Chile. Ground, it gave painters "
    "ultramarine, and Egyptians set it in the mask of Tutankhamun. Healers say it removes "
    "anxiety and insomnia, increases intuition, and gives peace and wisdom, and use it for "
    "nervous disorders, the eyes and temples.",
    // 30 Celestite
    "Celestite, the name has been derived from the Latin caelestis, heavenly, for its pale "
    "sky blue color. It is a strontium sulfate that forms geodes and clusters, the best in "
    "Madagascar, with others in Mexico, Ohio and Sicily. Soft and fragile, it should be kept "
    "from water and strong sun. Healers say it helps insomnia, brings mental clarity and "
    "strength, and use it for the hypothalamus, ears, jaw and neck.",
    // 31 Citrine
    "One of the brightest gemstones, Citrine is known as the 'merchant's stone' for the "
    "wealth it is said to attract. It is a pale yellow to amber quartz from Brazil, Bolivia "
    "and Madagascar. Healers say it brings mental clarity, will power, memory and confidence, "
    "and use it for sleep, energy, digestion, circulation, allergies, and the liver and "
    "kidneys.",
    // 32 Chrysocolla
    "Chrysocolla is said to be the 'stone of peace and calm', a soft blue to green copper "
    "silicate that forms where copper ores weather, in Arizona, Chile, Peru, Israel and the "
    "Congo. Its name comes from Greek words for gold and glue, as it was once used to solder "
    "gold. Healers say it soothes depression, stress and grief, and use it to balance the "
    "mind and heart and relieve mental tension, and to support the thymus and shoulders.",
    // 33 Aquamarine
    "The term 'Aquamarine' means sea-water. It is the pale blue to blue-green member of the "
    "beryl family, colored by iron, and forms large, clear crystals in granite pegmatites of "
    "Brazil, Madagascar, Nigeria, Pakistan and Mozambique. Sailors carried it as a charm for "
    "a safe voyage and calm waters, and legend holds it came from the treasure chests of "
    "mermaids. It is the birthstone of March. Healers say it brings joy, creativity and self "
    "confidence, and use it to strengthen the immune system and for the lymph nodes, heart "
    "and thymus.",
};

// The description of stone `number` (1 to 33); an empty text for any other number.
inline std::string_view Stone_Description(int number) {
  if (number < 1 || number > static_cast<int>(Stone_Descriptions.size())) return {};
  return Stone_Descriptions[static_cast<std::size_t>(number - 1)];
}
