#pragma once
#include <string_view>

// The divination readings, one paragraph per crystal, addressed to the person who drew it.
// Plain ASCII prose without line breaks or double quotes, shown exactly as written here.
namespace Crystal_Readings {

inline constexpr std::string_view Red_Jasper =
    "Unlike other red crystals that evoke an outburst of passion, Red Jasper brings a "
    "steady, grounding warmth. Its appearance in your reading suggests that your answer lies "
    "in patience and persistence, not in sudden action. Take one small, practical step each "
    "day, keep your feet on the ground, and trust that slow progress is still progress.";

inline constexpr std::string_view Green_Aventurine =
    "This crystal is defined as an all-round healer and is often called the stone of "
    "opportunity. Drawing it tells you that luck is closer than you think. Stay open to new "
    "ideas and the people around you, because the solution you seek may arrive from an "
    "unexpected direction. Say yes to a chance you usually let pass.";

inline constexpr std::string_view Sodalite =
    "Sodalite can greatly beneficial for you, if you are caught between what your heart "
    "wants and what your head tells you. This deep blue stone is linked with logic, truth "
    "and calm communication. Your reading asks you to step back from your strong feelings "
    "and look calmly at the facts. Jot your thoughts down, speak honestly with the people "
    "involved, and you will find that a clear and fair answer begins to appear.";

inline constexpr std::string_view Hematite =
    "Some of us just can not help to take on the worries of everyone around us, and that is "
    "just what Hematite has come to talk to you about. This heavy, silvery stone is known "
    "for grounding and shielding. It reminds you that you cannot solve every problem for "
    "everyone. Protect your energy, set kind but firm limits, and focus on what is truly "
    "yours to handle. Once you stop carrying extra weight, your own path becomes lighter.";

inline constexpr std::string_view Moonstone =
    "This translucent crystal tinged with shades of blue, the Moonstone, reflects the moon "
    "above. It tells you that your situation is changing, just as the moon changes, and that "
    "this is natural. Listen to your intuition and to your dreams over the next few days. "
    "The answer you need is already within you, waiting for a quiet moment to arise.";

inline constexpr std::string_view Tiger_Eye =
    "In order to achieve success in your life, you need both courage and clear judgement, "
    "and Tiger Eye offers you both. This golden brown stone with its shifting band of light "
    "is said to sharpen focus and calm the nerves. Your reading suggests that you already "
    "know what must be done. Put doubt aside, make a plan, and act on it with confidence. "
    "Fortune will favour your bold step.";

inline constexpr std::string_view Rose_Quartz =
    "This pink colored crystal amplifies your sense of love, starting with love for "
    "yourself. Rose Quartz appearing in your reading means your problem may have its roots "
    "in the heart, perhaps a hurt you have not fully let go of, or a relationship that needs "
    "gentle care. Be tender with yourself and with others. Forgive where you can, express "
    "your feelings openly, and let kindness guide your next move. Love heals more than you "
    "expect.";

inline constexpr std::string_view Carnelian =
    "If you are forgetful or recently feel like your spark has faded, Carnelian has come to "
    "wake you up. This bright orange stone is linked with vitality, motivation and creative "
    "drive. Your reading tells you to shake off hesitation and put your energy into action. "
    "Begin the task you have been putting off, and you will find your old enthusiasm returns.";

inline constexpr std::string_view Jade =
    "One of the hardest stones, Jade is usually green and has been treasured in the East for "
    "thousands of years as a symbol of wisdom, harmony and good fortune. Its arrival in your "
    "reading is a sign of balance. Your problem may feel overwhelming, but it is not as big "
    "as it seems. Approach it calmly and practically, one step at a time. Jade also "
    "encourages you to trust the people who care about you; sharing your burden with a "
    "friend may open a door you could not open alone. Be sure that good luck is on your side.";

inline constexpr std::string_view Amethyst =
    "From ancient times, amethyst has been used to guard against excess and to calm a "
    "restless mind. The Greeks believed it kept its wearer clear headed, and its violet "
    "color is still linked with peace and spiritual insight. Drawing this stone suggests "
    "that stress or overthinking may be clouding your judgement. Give yourself time to rest "
    "and to quieten your thoughts. When your mind is still, the right choice will become "
    "obvious, and you will face your problem with a steadier heart.";

inline constexpr std::string_view Bloodstone =
    "In ancient Greece, Bloodstone was also called as heliotrope, meaning the stone that "
    "turns the sun. This dark green stone flecked with red was carried by warriors for "
    "courage and strength. Your reading tells you that you have more stamina than you "
    "realise. The problem in front of you calls for endurance and not speed. Stay the "
    "course, look after your body with good food and rest, and do not let fear push you into "
    "giving up too soon. Bloodstone also reminds you to act with honesty, because a clean "
    "conscience will give you the strength to see this through.";

inline constexpr std::string_view Emerald =
    "The glistening green crystal is one of the most precious of all gems, and emerald has "
    "long been called the stone of successful love and lasting loyalty. Its appearance in "
    "your reading points to growth and renewal. If your problem involves a partner, a friend "
    "or a family member, patience and open communication will bring you closer together. "
    "Emerald also supports clear memory and wise words, so think twice before you speak, and "
    "speak from the heart. A fresh beginning is within your reach.";

inline constexpr std::string_view Ruby =
    "Ruby is the most precious, coveted and powerful of the red stones, and it has long been "
    "called the king of gems. It burns with passion, vitality and courage. Drawing Ruby "
    "tells you that this is the moment to follow your heart with full conviction. Half "
    "measures will not solve your problem; commit to your choice and put your whole energy "
    "behind it. Ruby also warns you to keep your temper in check, since a fiery spirit is a "
    "gift only when it is guided well. Lead with warmth and others will follow gladly.";

inline constexpr std::string_view Sapphire =
    "Sapphires usually come in two colors, blue and yellow, though they are found in many "
    "other shades as well. Blue sapphire has long been linked with wisdom, truth and divine "
    "favour, and kings once wore it to protect themselves from harm and envy. Its presence "
    "in your reading is a call for clear thinking and integrity. Do not let others pressure "
    "you into a hasty decision. Take your time, gather all the facts and stay true to your "
    "own values. Sapphire also brings calm to a troubled mind, so breathe deeply, trust your "
    "intuition and let peace guide the way to a wise and lasting answer.";

inline constexpr std::string_view Diamond =
    "Often fondly described as the eternal stone for its unmatched hardness and brilliance, "
    "Diamond stands for strength, clarity and commitment. Drawing it means your problem "
    "needs a firm and honest decision. Things have been unclear, and you may have been "
    "avoiding a choice. Diamond asks you to face the situation directly, to be truthful with "
    "yourself and with others, and to keep your promises. Like a diamond formed under great "
    "pressure, you will come through this difficulty stronger, brighter and far more "
    "confident.";

inline constexpr std::string_view Pearl =
    "These lustrous white drops with a creamy sheen are formed slowly inside an oyster, "
    "layer upon layer, around a tiny grain that once irritated it. Pearl teaches you that "
    "your present trouble can also become something beautiful with time. Its appearance in "
    "your reading asks you to be gentle and patient. Do not force an outcome; let events "
    "unfold at their own pace. Pearl is also linked with the moon, with purity and with "
    "emotional balance, so pay attention to your feelings and soothe any anger or anxiety "
    "before you act. In time, a calm and patient wisdom will bring you the answer you seek.";

inline constexpr std::string_view Coral =
    "Coral is an organic stone formed by the skeletons of tiny sea creatures that build "
    "great reefs over many years. In many cultures red coral is worn for protection, courage "
    "and vitality, and it is said to guard travellers and children from harm. Its arrival in "
    "your reading is a reminder that great things are built slowly, through the steady "
    "effort of many small actions. Your problem will not be solved overnight, but each "
    "sincere step adds to a strong foundation. Coral also brings emotional stability, so do "
    "not let fear or restlessness shake you. Stay connected with your family and friends, "
    "for like the reef, you are strongest as part of a community. Trust the process, keep "
    "moving on, and your efforts will bear fruit.";

inline constexpr std::string_view Turquoise =
    "Traditionally known as the natural stone for Sagittarians, turquoise is one of the "
    "oldest protective stones in the world, worn by travellers, warriors and healers alike. "
    "Its sky blue color brings a sense of peace and open space. Drawing turquoise suggests "
    "that you need to express yourself more freely. Perhaps you have kept your thoughts to "
    "yourself for too long. Speak your truth calmly and kindly; people will respect that. "
    "Turquoise also protects you on every journey you are about to take.";

inline constexpr std::string_view Peridot =
    "While facing the ups and downs in our lives, it is easy to blame ourselves for every "
    "mistake. Peridot, the bright olive green gem, comes to tell you to release guilt and "
    "jealousy and to open your heart to healing. Its appearance in your reading means that "
    "you should stop dwelling on the past. What has happened cannot be changed, but your "
    "response to it can. Be patient, forgive yourself and focus on the good things ahead. "
    "Peridot brings confidence and new light, so expect your situation to brighten soon.";

inline constexpr std::string_view Topaz =
    "Topazes are found in many different colors including golden yellow, blue, pink and "
    "clear, and every shade was once thought to bring good fortune. Golden topaz is linked "
    "with the sun, with warmth and with abundance. Drawing this stone tells you that your "
    "efforts are about to be rewarded. Keep a positive outlook and do not give in to worry "
    "or doubt. Topaz is also said to help with calm sleep and a relaxed mind, so let go of "
    "the tension that has built up inside you. Share your plans with others, ask for help "
    "when you need it, and success will follow you quite naturally.";

inline constexpr std::string_view Garnet =
    "This reddish stone representing the warmth of sun and the glow of a hearth has been a "
    "symbol of friendship, devotion and safe return for centuries. Garnet in your reading "
    "suggests that you need to reconnect with your inner passion and with the ones you love. "
    "If you feel stuck or lacking motivation, let go of the inhibitions that hold you back. "
    "Be bold, be loving and take a chance on something you believe in. Garnet promises that "
    "your love and commitment will be returned in kind.";

inline constexpr std::string_view Azurite =
    "Are you finding it difficult to let go of old beliefs or fears? Azurite, the deep blue "
    "stone of insight, has come to help you see beyond them. It is linked with meditation "
    "and with sudden understanding. Your reading suggests that you are close to a "
    "breakthrough. Spend some quiet time alone, observe your thoughts without judgement, and "
    "let new ideas arise. Fear fades once you look at it closely and with an open mind.";

inline constexpr std::string_view Cats_Eye =
    "According to Indian Vedic astrology, cat's eye is the gem of Ketu, and it is believed "
    "to protect its wearer from hidden enemies, sudden losses and the evil eye. The band of "
    "light that glides across its surface is said to sharpen intuition. Drawing cat's eye "
    "suggests that there is more to your problem than meets the eye. Stay alert and always "
    "trust your instincts about people and situations. Avoid rushing into agreements. Once "
    "the hidden facts come to light, you will know exactly what to do and you will be well "
    "protected.";

inline constexpr std::string_view Malachite =
    "This greenish crystal is unique in its property of absorbing negative energy, and its "
    "swirling bands of light and dark green are a picture of transformation. Malachite in "
    "your reading says that change is coming, and that you should welcome it rather than "
    "resist it. Old patterns that no longer serve you are ready to be released. Pay "
    "attention to any anger or fear that surfaces, then let it go. Malachite gives you the "
    "concentration to see the way forward, so set a clear goal and work steadily toward it. "
    "Transformation brings renewal.";

inline constexpr std::string_view Quartz =
    "Quartz is found in nature as white crystals or as clear points, and it is often called "
    "the master healer. It is believed to amplify whatever energy and intention you bring to "
    "it. Drawing Quartz tells you that your thoughts are powerful now. Focus on what you "
    "want rather than what you fear, and set a clear intention for the outcome you hope for. "
    "Clear away clutter, both in your home and in your busy mind. When your purpose is pure "
    "and simple, the universe has a way of helping you, and your problem will begin to "
    "resolve itself.";

inline constexpr std::string_view Selenite =
    "Selenites come in two different shapes. One is long, smooth and shaped like a wand, and "
    "the other forms the rosette known as the desert rose. Named after Selene, the goddess "
    "of the moon, this soft, white stone is linked with peace, cleansing and higher "
    "guidance. Its appearance in your reading suggests that you need to clear your mind "
    "before you can find your answer. Step away from the noise of daily life for a while, "
    "rest, and let all of the anxiety drain away. Selenite reminds you that calm clarity is "
    "available to you at any moment, and that your angels are watching over you.";

inline constexpr std::string_view Lapis_Lazuli =
    "Traditionally associated to Taurus sign, Lapis lazulis are deep blue stones sprinkled "
    "with golden flecks that look like stars in a night sky. The ancient Egyptians prized "
    "them as a stone of royalty, wisdom and truth, and ground them to paint the skies of "
    "their temples. Drawing Lapis Lazuli means that your problem calls for honesty and "
    "insight. Be truthful with yourself about what you really want, and express it clearly "
    "to others. This stone also brings peace of mind and helps you rest, so do not let worry "
    "rob you of sleep. Trust your inner wisdom; the answers you seek are already known to "
    "your higher self and will rise very soon.";

inline constexpr std::string_view Celestite =
    "Reflecting the serenity and tranquility of the azure sky, Celestite is a soft blue "
    "crystal that has long been linked with heavenly guidance and calm communication. When "
    "it appears in your reading, it tells you that help is far closer than you think. Let go "
    "of the need to control every detail of your situation and trust that things are working "
    "out for your highest good. Celestite also eases tension in the body, so relax your "
    "shoulders and breathe slowly. Speak gently, listen carefully and be open to advice from "
    "people you trust. Peace and clarity will surely come to you, and with them the strength "
    "to move ahead with a light and hopeful heart.";

inline constexpr std::string_view Citrine =
    "The third chakra in the body carries out the work of personal power, will and self "
    "esteem, and Citrine is the stone that brightens it. This sunny yellow crystal is known "
    "as the merchant's stone and is said to attract prosperity and success. Drawing Citrine "
    "suggests that you have the power to change your situation, if only you believe in "
    "yourself. Replace negative thoughts with positive ones, take firm charge, and do not "
    "let others dim your light. Citrine also lifts low spirits, so allow yourself to enjoy "
    "your life again. Abundance flows towards those who are open to it.";

inline constexpr std::string_view Chrysocolla =
    "Often called as the peace inducing stone, Chrysocolla is a calming blue green crystal "
    "that has long been linked with the feminine wisdom of the earth and the sea. Its "
    "arrival in your reading suggests that you are carrying grief, stress or tension that "
    "needs to be released. Allow yourself to feel what you feel without judgement. Talk with "
    "someone who listens well. Chrysocolla encourages patience, gentle communication and "
    "forgiveness. When your heart is calm again, you will see your problem from a new angle "
    "and find that the solution is simpler than it seemed.";

inline constexpr std::string_view Aquamarine =
    "Aquamarine has long been held in high esteem by sailors, who carried it as a charm for "
    "safe passage over rough seas. Its name means water of the sea, and its clear, cool blue "
    "color brings peace and courage together. Drawing Aquamarine tells you that you may be "
    "facing a stormy stretch in your life, but that you have the strength to come through it "
    "safely. Stay calm, keep your head clear and do not react in haste. This stone also "
    "helps you speak your truth with grace, so express your needs honestly and kindly. Let "
    "go of what you cannot control, trust your own judgement, and let joy and creativity "
    "flow back into your life. Every storm passes in time, and calmer waters lie ahead of "
    "you. Sail on with hope.";

}  // namespace Crystal_Readings
