#pragma once
#include <array>
#include <string_view>

// The healing stones with the labels the crystal panel shows for each, in the stones' order
// (a stone's position, counted from 1, is its number, its description and its picture).
// Labels are display texts of their own: most match an entry text, some differ in letter case
// or wording; healing_entry_links.cpp says which entry each label stands for.
namespace Healing_Stone_Table {

// The labels of one kind for one stone, in the order shown; unused places stay empty.
using Labels = std::array<std::string_view, 8>;

struct StoneRow {
    std::string_view name;
    Labels physical;
    Labels mental;
    Labels organs;
};

inline constexpr StoneRow Rows[] = {
    {"Red Jasper",  // 1
     {"Bronchitis", "Diabetes", "Cancer"},
     {"Increases Compassion", "Emotional Balance"},
     {"Ovaries", "Prostrate Glands", "Kidneys", "Bladder"}},
    {"Green Aventurine",  // 2
     {"Fever", "Eczema", "Stress"},
     {"Emotional Balance"},
     {"Gall Bladder", "Spleen", "Pancreas"}},
    {"Sodalite",  // 3
     {"Blood pressure(low Or high)", "Impotence", "Burns", "Sinus"},
     {"Improve Self Expression", "Improve Spiritual Growth"},
     {"Reproductive System", "Pineal Glands"}},
    {"Hematite",  // 4
     {"Anemia", "Neck Tension", "Muscular Sprains & pains"},
     {"Depression", "Self Protection"},
     {"Pubic Bones", "Legs And Feet", "Testicles", "Coccyx"}},
    {"Moonstone",  // 5
     {"PMS", "Menopause", "Fertility", "Reproductive problems"},
     {"Emotional Balance", "Improves Intuition"},
     {"Reproductive System", "Stomach"}},
    {"Tiger Eye",  // 6
     {"Ulcers", "Gall Bladder stones", "Hay fever", "Hypochondria"},
     {"Anxiety", "Creativity"},
     {"Prostrate Glands", "Kidneys", "Gall Bladder"}},
    {"Rose Quartz",  // 7
     {"Bruises", "Angina", "Asthma", "Poor Eyesight", "Sciatica", "Migraine"},
     {"Emotional Balance", "Removes Anger"},
     {"Hearts", "Lungs", "Breasts", "Shoulders", "Arms", "Stomach", "Liver"}},
    {"Carnelian",  // 8
     {"Blood Circulation", "Rheumatism", "Immune System", "Tension", "Menstrual Cramps",
      "Reproductive System", "Arthritis"},
     {"Controls Emotions", "Increases Assertiveness"},
     {"Blood", "Adrenal Glands", "Kidneys", "Gall Bladder", "Pancreas"}},
    {"Jade",  // 9
     {"Kidney stones", "Bladder stones", "Urination problems", "High blood pressure"},
     {"Emotional Balance", "Feeling of Compassion", "Improves Courage"},
     {"Kidneys", "Gall Bladder", "Heart", "Thymus"}},
    {"Amethyst",  // 10
     {"Addictions", "Tumors", "Ear problems", "Fainting", "Paralysis", "Head Aches",
      "Blood Sugar Level"},
     {"Reduces Anger", "Improve Psychic Abilities", "Reduces Impatience", "Spiritual Development"},
     {"Pineal Glands", "Eyes", "Temples", "Scalp", "Hair"}},
    {"Bloodstone",  // 11
     {"Cramps", "Bleeding", "Reduces Stress"},
     {"Brings Vitality to Mind", "Intuition", "Creativity"},
     {"Testicles", "Coccyx", "Pubic Bones", "Perineum"}},
    {"Emerald",  // 12
     {"Improves memory", "Ear problems", "Child birth", "Eyesight problems", "Respiratory System"},
     {"Lifts Depression", "Cures Insomnia", "Gives Patience"},
     {"Pineal Glands", "Brain", "Eyes", "Reproductive System", "Heart", "Lymph Nodes"}},
    {"Ruby",  // 13
     {"Antidote to snake bites", "Depressions", "Blood Circulation", "High Cholestrol", "Impotency"},
     {"Increases Stamina", "Improves Emotions"},
     {"Heart", "Pituitary Glands"}},
    {"Sapphire",  // 14
     {"Fever", "High fever", "Nose Bleeding", "Tuberculosis", "Burns"},
     {"Better Mental Health", "Improves Intuition", "Calmness", "Mental Clarity"},
     {"Pituitary Glands", "Hearts", "Stomach"}},
    {"Diamond",  // 15
     {"Removes Blockages"},
     {"Enhances Brain Functioning", "Improves Trust", "Increases Confidence", "Spirituality"},
     {"Brain", "Head", "Pineal Glands"}},
    {"Pearl",  // 16
     {"Hyper Tension"},
     {"Anxiety", "Anger"},
     {"Heart", "Brain"}},
    {"Coral",  // 17
     {"Insanity", "Wisdom"},
     {"Gives Emotional Stability", "Enliven Emotions", "Imporve Emotional Balance"},
     {"Brain", "Heart", "Muscles", "Blood", "Thyroid", "Spine", "Bone & Tissue"}},
    {"Turquoise",  // 18
     {"Eyesight problems", "Headaches", "Sinus", "Migraine"},
     {"Calms Nerves", "Stabilizes Mood Swings", "Improves Self Expression"},
     {"Thymus", "Shoulders"}},
    {"Peridot",  // 19
     {"Clarity in speech", "Stammering problems"},
     {"Enhance Confidence", "Removes Guilt"},
     {"Tongue", "Brain"}},
    {"Jasper",  // 20
     {"Epilepsy", "Digestive problems", "Bleeding"},
     {"Energiser", "Improves Decision Making Skills"},
     {"Ovaries", "Kidneys", "Sacrum", "Prostrate Glands"}},
    {"Topaz",  // 21
     {"Stress", "Digestive Disorders", "Tuberculosis", "Kidney stones", "Bladder stones"},
     {"Anxiety", "Insomnia"},
     {"Kidneys", "Gall Bladder", "Digestive System", "Throat", "Thyroid", "Neck"}},
    {"Garnet",  // 22
     {"Paralysis", "Improve Sex Drive"},
     {"Depression", "Remove Inhibitions"},
     {"Root Chakra"}},
    {"Azurite",  // 23
     {"Growth", "Concentration"},
     {"Helps Meditation", "Removes Fear"},
     {"Thyroid Gland", "Temple", "Pineal Glands"}},
    {"Cat's Eye",  // 24
     {"Stamina", "Strength", "Improves memory", "Eyesight problems"},
     {"Intuition", "Self Protection"},
     {"Brain", "Eyes", "Pituitary Glands"}},
    {"Goldstone",  // 25
     {"Tension", "Stress", "Blood Circulation", "Metabolic Rate"},
     {"Stabilizes Emotions", "Helps To Remain Calm"},
     {"Solar Plexus", "Gall Bladder", "Liver", "Digestive System", "Pancreas"}},
    {"Malachite",  // 26
     {"Pain", "Inflammation", "Kidney stones", "Lung Disorders", "Immune System"},
     {"Controls Anger", "Increases Concentration", "Removes Depression", "Increases Intuition"},
     {"Heart", "Lungs", "Shoulders", "Breasts", "Stomach", "Liver"}},
    {"Quartz",  // 27
     {"Energy", "Concentration"},
     {"Promotes Self Harmony", "Removes Negative Energy"},
     {"Pituitary Glands", "Brain", "Head"}},
    {"Selenite",  // 28
     {"Energy Level", "Concentration"},
     {"Removes Negative Energy"},
     {"Brain", "Head"}},
    {"Lapis Lazuli",  // 29
     {"Peacefulness", "Wisdom", "Nervous Disorders", "Inflammations"},
     {"Removes Anxiety", "Removes Insomnia", "Increases Intuition"},
     {"Eyes", "Temples"}},
    {"Celestite",  // 30
     {"Improves Strength"},
     {"Insomnia", "Mental Clarity"},
     {"Hypothalamus", "Ears", "Jaw", "Neck"}},
    {"Citrine",  // 31
     {"Restful sleep", "Physical energy", "Blood Circulation", "Kidney stones", "Liver problems",
      "Indigestion", "Food Disorders", "Allergies"},
     {"Mental Clarity", "Emotional Balance", "Will Power", "Better Memory", "Reduces Anxiety",
      "Improves Confidence", "Removes Depression"},
     {"Solar Plexus", "Digestive System", "Liver", "Gall Bladder", "Spleen", "Kidneys",
      "Urinary System"}},
    {"Chrysocolla",  // 32
     {"Mind And Heart Control", "Reduces Mental Tension"},
     {"Depressions", "Stress", "Grief"},
     {"Thymus", "Shoulders"}},
    {"Aquamarine",  // 33
     {"Immune System"},
     {"Brings Joy", "Improves Creativity", "Increases Self Confidence"},
     {"Lymph Nodes", "Heart", "Thymus"}},
};

}  // namespace Healing_Stone_Table
