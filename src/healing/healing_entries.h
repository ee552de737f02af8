#pragma once
#include <string_view>

// The three lists of things a healing stone is said to help with, in the order the search
// selectors show them. Every text is kept exactly as it has always been shown, spelling slips
// and near-duplicates included: each text is an entry of its own.
namespace Healing_Entries {

// Organs and body parts.
inline constexpr std::string_view Organs[] = {
    "Ovaries",             // 1
    "Prostrate Glands",    // 2
    "Kidneys",             // 3
    "Bladder",             // 4
    "Gall Bladder",        // 5
    "Spleen",              // 6
    "Pancreas",            // 7
    "Reproductive System", // 8
    "Pineal Glands",       // 9
    "Pubic Bones",         // 10
    "Legs And Feet",       // 11
    "Testicles",           // 12
    "Coccyx",              // 13
    "Stomach",             // 14
    "Heart",               // 15
    "Lungs",               // 16
    "Breasts",             // 17
    "Shoulders",           // 18
    "Arms",                // 19
    "Liver",               // 20
    "Blood",               // 21
    "Adrenal Glands",      // 22
    "Thymus",              // 23
    "Eyes",                // 24
    "Temples",             // 25
    "Scalp",               // 26
    "Hair",                // 27
    "Perineum",            // 28
    "Brain",               // 29
    "Lymph Nodes",         // 30
    "Pituitary Glands",    // 31
    "Head",                // 32
    "Muscles",             // 33
    "Thyroid",             // 34
    "Spine",               // 35
    "Bone & Tissue",       // 36
    "Tongue",              // 37
    "Sacrum",              // 38
    "Digestive System",    // 39
    "Throat",              // 40
    "Neck",                // 41
    "Root Chakra",         // 42
    "Thyroid Gland",       // 43
    "Temple",              // 44
    "Solar Plexus",        // 45
    "Hypothalamus",        // 46
    "Ears",                // 47
    "Jaw",                 // 48
    "Urinary System",      // 49
};

// Mental illnesses and emotional qualities.
inline constexpr std::string_view Mental[] = {
    "Increases Compassion",            // 1
    "Emotional Balance",               // 2
    "Improve Self Expression",         // 3
    "Improve Spiritual Growth",        // 4
    "Depression",                      // 5
    "Self Protection",                 // 6
    "Improves Intuition",              // 7
    "Anxiety",                         // 8
    "Creativity",                      // 9
    "Removes Anger",                   // 10
    "Controls Emotions",               // 11
    "Increases Assertiveness",         // 12
    "Feeling of Compassion",           // 13
    "Improves Courage",                // 14
    "Reduces Anger",                   // 15
    "Improve Psychic Abilities",       // 16
    "Reduces Impatience",              // 17
    "Spiritual Development",           // 18
    "Brings Vitality to Mind",         // 19
    "Intuition",                       // 20
    "Lifts Depression",                // 21
    "Cures Insomnia",                  // 22
    "Gives Patience",                  // 23
    "Increases Stamina",               // 24
    "Improves Emotions",               // 25
    "Better Mental Health",            // 26
    "Calmness",                        // 27
    "Mental Clarity",                  // 28
    "Enhances Brain Functioning",      // 29
    "Improves Trust",                  // 30
    "Increases Confidence",            // 31
    "Spirituality",                    // 32
    "Anger",                           // 33
    "Gives Emotional Stability",       // 34
    "Enliven Emotions",                // 35
    "Imporve Emotional Balance",       // 36
    "Calms Nerves",                    // 37
    "Stabilizes Mood Swings",          // 38
    "Improves Self Expression",        // 39
    "Enhance Confidence",              // 40
    "Removes Guilt",                   // 41
    "Energiser",                       // 42
    "Improves Decision Making Skills", // 43
    "Insomnia",                        // 44
    "Remove Inhibitions",              // 45
    "Helps Meditation",                // 46
    "Removes Fear",                    // 47
    "Stabilizes Emotions",             // 48
    "Helps To Remain Calm",            // 49
    "Controls Anger",                  // 50
    "Increases Concentration",         // 51
    "Removes Depression",              // 52
    "Increases Intuition",             // 53
    "Promotes Self Harmony",           // 54
    "Removes Negative Energy",         // 55
    "Removes Anxiety",                 // 56
    "Removes Insomnia",                // 57
    "Will Power",                      // 58
    "Better Memory",                   // 59
    "Reduces Anxiety",                 // 60
    "Improves Confidence",             // 61
    "Stress",                          // 62
    "Grief",                           // 63
    "Brings Joy",                      // 64
    "Improves Creativity",             // 65
    "Increases Self Confidence",       // 66
};

// Physical diseases.
inline constexpr std::string_view Physical[] = {
    "Bronchitis",                  // 1
    "Diabetes",                    // 2
    "Cancer",                      // 3
    "Fever",                       // 4
    "Eczema",                      // 5
    "Stress",                      // 6
    "Blood Pressure(low Or High)", // 7
    "Impotence",                   // 8
    "Burns",                       // 9
    "Sinus",                       // 10
    "Anemia",                      // 11
    "Neck Tension",                // 12
    "Muscular Sprains",            // 13
    "PMS",                         // 14
    "Menopause",                   // 15
    "Fertility",                   // 16
    "Reproductive Problems",       // 17
    "Ulcers",                      // 18
    "Gall Bladder stones",         // 19
    "Hay Fever",                   // 20
    "Hypochondria",                // 21
    "Bruises",                     // 22
    "Angina",                      // 23
    "Asthma",                      // 24
    "Poor Eyesight",               // 25
    "Sciatica",                    // 26
    "Migraine",                    // 27
    "Blood Circulation",           // 28
    "Rheumatism",                  // 29
    "Immune System",               // 30
    "Tension",                     // 31
    "Menstrual Cramps",            // 32
    "Reproductive System",         // 33
    "Arthritis",                   // 34
    "Kidney Stones",               // 35
    "Bladder Stones",              // 36
    "Urination Problems",          // 37
    "High Blood Pressure",         // 38
    "Addictions",                  // 39
    "Tumors",                      // 40
    "Ear Problems",                // 41
    "Fainting",                    // 42
    "Paralysis",                   // 43
    "Head Aches",                  // 44
    "Blood Sugar Level",           // 45
    "Cramps",                      // 46
    "Bleeding",                    // 47
    "Reduces Stress",              // 48
    "Improves Memory",             // 49
    "Child Birth",                 // 50
    "Eyesight Problems",           // 51
    "Respiratory System",          // 52
    "Antidote to Snake Bites",     // 53
    "Depression",                  // 54
    "High Cholestrol",             // 55
    "Impotency",                   // 56
    "High Fever",                  // 57
    "Nose Bleeding",               // 58
    "Tuberculosis",                // 59
    "Removes Blockages",           // 60
    "Hyper Tension",               // 61
    "Insanity",                    // 62
    "Wisdom",                      // 63
    "Headaches",                   // 64
    "Clarity in Speech",           // 65
    "Stammering Problems",         // 66
    "Epilepsy",                    // 67
    "Digestive Problems",          // 68
    "Digestive Disorders",         // 69
    "Improve Sex Drive",           // 70
    "Growth",                      // 71
    "Concentration",               // 72
    "Stamina",                     // 73
    "Strength",                    // 74
    "Metabolic Rate",              // 75
    "Pain",                        // 76
    "Inflammation",                // 77
    "Lung Disorders",              // 78
    "Energy",                      // 79
    "Energy Level",                // 80
    "Peacefulness",                // 81
    "Nervous Disorders",           // 82
    "Improves Strength",           // 83
    "Restful Sleep",               // 84
    "Physical Energy",             // 85
    "Liver Problems",              // 86
    "Indigestion",                 // 87
    "Food Disorders",              // 88
    "Allergies",                   // 89
    "Mind And Heart Control",      // 90
    "Reduces Mental Tension",      // 91
};

}  // namespace Healing_Entries
