// describe_test.cpp
// The figure in words: each role, colour and number of a few scenes as the programs and the explorer build them;
// the Serbian forms of a sentence, and the language an environment asks for.
#include "case_texts.h"
#include "console.h"
#include "describe.h"
#include "explorer/explorer.h"
#include "fresh_scene.h"
#include "language.h"
#include "program_table.h"
#include "sentences.h"
#include "task.h"

#include <cctype>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

static const std::string kAndO =
    "Krug k sa centrom O(0, 0) i poluprecnikom 5, u crnoj boji. Centar O(0, 0) kruga k, u crnoj boji. ";

struct DescribeCase {
    const char* name;
    std::function<void()> build; // adds the objects after k and O
    std::string expected;        // after k and O
    std::vector<Label> labels = {};
};

TEST_F(FreshScene, DescribesEveryObjectWithItsRoleColourAndNumbers) {
    const float sixth = 25.0f / 6.0f;
    const DescribeCase cases[] = {
        {"a point and its image",
         [] {
             addPoint(Point{2, 2}, Blue);
             addPoint(Point{6.25f, 6.25f}, Red);
         },
         "Tacka P(2, 2), u plavoj boji. Slika tacke P je tacka P'(6.25, 6.25), u crvenoj boji."},
        {"the explorer's point at O has no image",
         [] {
             addPoint(Point{0, 0}, Blue);
         },
         "Tacka P(0, 0), u plavoj boji. Tacka P nema sliku."},
        {"a line that misses O, its points and its image",
         [] {
             addLine(line(2, 2, -2, -1, Blue));
             addPoint(Point{2, 2}, Blue);
             addPoint(Point{0, 1}, Blue);
             addCircle(circle(-6.25f, 12.5f, 13.975424f, Red), Red);
         },
         "Prava x - 2y = -2, u plavoj boji. Tacka A(2, 2) prave, u plavoj boji. Tacka B(0, 1) prave, u plavoj boji. "
         "Slika prave je krug sa centrom (-6.25, 12.50) i poluprecnikom 13.98, u crvenoj boji."},
        {"a line through O is its own image; a helper line in black",
         [] {
             addLine(line(2, 1, -2, -1, Blue));
             addLine(line(7, 7, -1, 1, Red));
             addLine(line(0, 0, -0.001f, 1, Black));
         },
         "Prava x - 2y = 0, u plavoj boji. Slika prave je prava x + y = 14, u crvenoj boji. "
         "Prava x = 0, u crnoj boji."},
        {"a circle through O becomes a line through the images of two of its points",
         [sixth] {
             addCircle(circle(3, 0, 3, Blue), Blue);
             addPoint(Point{sixth, 0}, Red);
             addPoint(Point{sixth, sixth}, Red);
             addLine(line(sixth, 0, 0, -sixth, Red));
         },
         "Krug sa centrom (3, 0) i poluprecnikom 3, u plavoj boji. Slika kruga je prava x = 4.17, u crvenoj boji. "
         "Slika jedne tacke kruga je tacka (4.17, 0), u crvenoj boji. "
         "Slika jedne tacke kruga je tacka (4.17, 4.17), u crvenoj boji."},
        {"the explorer's circle with its centre C and its point R",
         [] {
             addCircle(circle(2, 2, 2, Blue), Blue);
             addPoint(Point{2, 2}, Blue);
             addPoint(Point{4, 2}, Blue);
             addCircle(circle(12.5f, 12.5f, 12.5f, Red), Red);
         },
         "Krug sa centrom (2, 2) i poluprecnikom 2, u plavoj boji. Centar C(2, 2) kruga, u plavoj boji. "
         "Tacka R(4, 2) kruga, u plavoj boji. "
         "Slika kruga je krug sa centrom (12.50, 12.50) i poluprecnikom 12.50, u crvenoj boji."},
        {"numbers round to two decimals, whole ones lose them, and no minus zero",
         [] {
             addPoint(Point{2.5f, -0.004f}, Blue);
             addPoint(Point{6.999f, -1.125f}, Red);
             addPoint(Point{-0.05f, 1e20f}, Green);
         },
         "Tacka P(2.50, 0), u plavoj boji. Slika tacke P je tacka P'(7, -1.13), u crvenoj boji. "
         "Tacka (-0.05, beskonacno), u zelenoj boji."},
        {"horizontal and vertical lines name one coordinate",
         [] {
             addLine(line(1, 2, 3, 0, Blue));
             addLine(line(-3.5f, 1, 0, 2, Red));
             addLine(line(7, -2, -4, 0, Green));
         },
         "Prava y = 2, u plavoj boji. Slika prave je prava x = -3.50, u crvenoj boji. Prava y = -2, u zelenoj boji."},
        {"other colours, a segment and a black circle that is not k",
         [] {
             addCircle(circle(0, 0, 3, Black), Black);
             sceneSegments.push_back(Segment{{1, 1}, {2, 3}, Green});
             addPoint(Point{1, 2}, Purple);
             addPoint(Point{3, 1}, 12);
         },
         "Krug sa centrom (0, 0) i poluprecnikom 3, u crnoj boji. Duz od (1, 1) do (2, 3), u zelenoj boji. "
         "Tacka (1, 2), u ljubicastoj boji. Tacka (3, 1), bez sopstvene boje."},
        // x - 2y = -2 has its foot F(-0.4, 0.8) and F' = F / 0.032; a point without a label keeps no name.
        {"the construction's points are named by their labels",
         [] {
             addPoint(Point{-0.4f, 0.8f}, ConstructionGreen);
             addPoint(Point{-12.5f, 25.0f}, ConstructionGreen);
             addPoint(Point{1, 1}, ConstructionGreen);
         },
         "Tacka F(-0.40, 0.80), u tamnozelenoj boji. Tacka F'(-12.50, 25), u tamnozelenoj boji. "
         "Tacka (1, 1), u tamnozelenoj boji.",
         {{"F", Point{-0.4f, 0.8f}, Role::Construction}, {"F'", Point{-12.5f, 25.0f}, Role::Construction}}},
    };
    for (const DescribeCase& c : cases) {
        SCOPED_TRACE(c.name);
        resetScene();
        inversionRadius = circleOfInversionRadius;
        registerCircleOfInversion();
        c.build();
        Picture picture = storePicture();
        picture.labels = c.labels;
        EXPECT_EQ(describeScene(picture), kAndO + c.expected);
    }
    // y = 2 goes to the circle on the diameter from O to (0, 12.5); x - 2y = -3, whose foot is F(-0.6, 1.2), to the
    // circle on the diameter from O to F' = F / 0.072; X' = 5 X. The angle is atan(1 / 2), 26.57 degrees.
    Explorer explorer;
    explorer.current = FigureKind::AngleFigure;
    EXPECT_EQ(describeScene(explorerPicture(explorer)),
              kAndO + "Prava y = 2, u plavoj boji. Prava x - 2y = -3, u plavoj boji. Tacka X(1, 2), presek pravih, u "
                      "plavoj boji. Tacka A(4, 2) prve prave, u plavoj boji. Tacka B(3, 3) druge prave, u plavoj boji. "
                      "Slika prave je krug sa centrom (0, 6.25) i poluprecnikom 6.25, u crvenoj boji. "
                      "Slika prave je krug sa centrom (-4.17, 8.33) i poluprecnikom 9.32, u crvenoj boji. "
                      "Slika tacke X je tacka X'(5, 10), u crvenoj boji. "
                      "Luk ugla izmedju pravih u tacki X od 26.6 stepeni, u plavoj boji. "
                      "Luk ugla izmedju njihovih slika u tacki X' od 26.6 stepeni, u crvenoj boji. "
                      "Tangente slika u tacki X', isprekidane, u tamnozelenoj boji.");
    // The construction's aids and the chosen handle's ring by what they are, never by the coordinates they are
    // drawn with; the right angle drawn in two pieces is one.
    explorer.current = FigureKind::PointFigure;
    explorer.steps = 4;
    explorer.ring = true;
    const std::string words = describeScene(explorerPicture(explorer));
    for (const char* aid : {"Poluprava OP, u tamnozelenoj boji.", "Normala na OP u tacki P, u tamnozelenoj boji.",
                            "Tangenta kruznice k u tacki T2, u tamnozelenoj boji.",
                            "Poluprecnik OT1, u tamnozelenoj boji.", "Kruznica oko izabrane tacke, u crnoj boji."}) {
        EXPECT_NE(words.find(aid), std::string::npos) << aid << " in " << words;
    }
    EXPECT_EQ(words.find("Prav ugao u tacki T1"), words.rfind("Prav ugao u tacki T1"));
    EXPECT_EQ(words.find("Duz od"), std::string::npos) << words;
    // And in the reader's language, an aid's name opening its sentence with a capital in either script.
    const std::string cyrillic = describeScene(explorerPicture(explorer), Language::Cyrillic);
    const std::string latin = describeScene(explorerPicture(explorer), Language::Latin);
    const std::string english = describeScene(explorerPicture(explorer), Language::English);
    EXPECT_EQ(cyrillic.rfind("Круг k са центром O(0, 0) и полупречником 5, у црној боји. Центар O(0, 0) круга k", 0),
              0u);
    EXPECT_NE(cyrillic.find("Полупречник OT1, у тамнозеленој боји."), std::string::npos) << cyrillic;
    EXPECT_NE(latin.find("Tačka P(2, 2), u plavoj boji. Slika tačke P je tačka P'(6.25, 6.25), u crvenoj boji."),
              std::string::npos)
        << latin;
    EXPECT_NE(english.find("The ring around the chosen point, in black. The perpendicular to OP at P, in dark green."),
              std::string::npos)
        << english;
}

TEST_F(FreshScene, AnEmptyStoreHasNoDescriptionAndKNeedsItsRadius) {
    EXPECT_EQ(describeScene(storePicture()), "");
    inversionRadius = circleOfInversionRadius;
    addCircle(circle(0, 0, 4, Black), Black);
    EXPECT_EQ(describeScene(storePicture()), "Krug sa centrom (0, 0) i poluprecnikom 4, u crnoj boji.");
}

// Each Serbian sentence is written once in Cyrillic: its Latin form follows letter by letter and its plain form is
// today's text, byte for byte; a two-letter capital is whole in a word in capitals. Then which language each
// environment asks for.
TEST(Language, LatinAndPlainFormsFollowFromTheCyrillic) {
    const struct {
        const char* cyrillic;
        const char* latin;
        const char* plain;
    } rows[] = {
        {"Тачка P је унутар круга k, па је њена слика P' ван круга k, на полуправој OP.",
         "Tačka P je unutar kruga k, pa je njena slika P' van kruga k, na polupravoj OP.", pointInsideText},
        {"Уколико права чију инверзију тражимо НЕ пролази кроз центар круга, њена инверзија је круг чија кружница "
         "пролази кроз центар круга у односу на који инвертујемо, без самог центра.",
         "Ukoliko prava čiju inverziju tražimo NE prolazi kroz centar kruga, njena inverzija je krug čija kružnica "
         "prolazi kroz centar kruga u odnosu na koji invertujemo, bez samog centra.",
         lineMissesCentreText},
        {"ЉУБАВ Љубав ЊЕН Џеп ЏЕП КРАЉ Ђорђе ЂУРА ћ X' = 2.5",
         "LJUBAV Ljubav NJEN Džep DŽEP KRALJ Đorđe ĐURA ć X' = 2.5",
         "LJUBAV Ljubav NJEN Dzep DZEP KRALJ Djordje DJURA c X' = 2.5"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(latinFromCyrillic(row.cyrillic), row.latin);
        EXPECT_EQ(plainFromLatin(row.latin), row.plain);
    }
    using L = Language;
    const struct {
        const char *language, *lcAll, *lcMessages, *lang;
        Language expected;
    } environments[] = {
        {nullptr, nullptr, nullptr, "sr_RS.UTF-8", L::Cyrillic},
        {nullptr, nullptr, nullptr, "sr_ME", L::Cyrillic},
        {nullptr, nullptr, nullptr, "sr_RS.UTF-8@latin", L::Latin},
        {nullptr, "sr@latin", nullptr, "en_GB", L::Latin},
        {"en:sr", "C", nullptr, "sr_RS", L::English},
        {"de:sr@latin", "C", nullptr, nullptr, L::Latin},
        {"de", "", "en_US.UTF-8", "sr", L::English},
        {nullptr, "C", nullptr, "sr_RS", L::Plain},
        {nullptr, nullptr, nullptr, "POSIX", L::Plain},
        {nullptr, nullptr, nullptr, "serbian", L::Plain},
        {nullptr, nullptr, nullptr, nullptr, L::Plain},
    };
    for (const auto& e : environments) {
        EXPECT_EQ(environmentLanguage(e.language, e.lcAll, e.lcMessages, e.lang), e.expected)
            << (e.language ? e.language : "-") << " " << (e.lcAll ? e.lcAll : "-") << " " << (e.lang ? e.lang : "-");
    }
}

// Every sentence of the table, every text of the pages and every menu entry's name and comment: the plain form derived
// from the Cyrillic is the plain text byte for byte (so a typo in the Cyrillic cannot hide), ASCII where a console
// prints it, no Cyrillic letter is left without its Latin form, no Cyrillic word hides a Latin letter that looks the
// same, and every form fills as many values. A gallery sentence, which has no plain form, is held to the last two.
TEST(Language, EverySentencesPlainFormFollowsFromItsCyrillic) {
    const auto values = [](const std::string& text) {
        std::size_t count = 0;
        for (std::size_t at = text.find("{}"); at != std::string::npos; at = text.find("{}", at + 2)) {
            ++count;
        }
        return count;
    };
    struct Row {
        std::string plain, cyrillic, english;
        bool printed; ///< by a console: ASCII
    };
    std::vector<Row> rows;
    for (std::size_t i = 0; i < sentenceCount; ++i) {
        rows.push_back({allSentences[i]->plain, allSentences[i]->cyrillic, allSentences[i]->english, true});
    }
    for (std::size_t i = 0; i < pageTextCount; ++i) {
        const PageTextRow& row = pageTextRows[i];
        rows.push_back({row.plain, row.cyrillic, row.english, false});
    }
    for (const ProgramRow& program : programTable()) {
        for (int i = 0; i < 2; ++i) {
            rows.push_back({program.menu[i], program.menuSr[i], program.menu[i], true});
        }
        const std::string sentence = program.sentenceSr;
        rows.push_back({plainFromLatin(latinFromCyrillic(sentence)), sentence, "", false});
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        const std::string latin = latinFromCyrillic(row.cyrillic);
        EXPECT_EQ(plainFromLatin(latin), row.plain) << "sentence " << i;
        for (char32_t c : decodeUtf8(latin)) {
            EXPECT_FALSE(c >= 0x400 && c < 0x530) << "sentence " << i << " keeps a Cyrillic letter";
        }
        bool cyrillic = false, latinLetter = false;
        for (char32_t c : decodeUtf8(row.cyrillic + " ")) {
            const bool letter = (c >= 0x400 && c < 0x530) || std::isalpha(int(c < 0x80 ? c : 0));
            if (!letter) {
                EXPECT_FALSE(cyrillic && latinLetter) << "sentence " << i << " mixes the scripts in a word";
                cyrillic = latinLetter = false;
            }
            cyrillic = cyrillic || (c >= 0x400 && c < 0x530);
            latinLetter = latinLetter || (c < 0x80 && std::isalpha(int(c)));
        }
        for (char c : row.plain) {
            EXPECT_TRUE(!row.printed || c >= 0) << "sentence " << i << " is not ASCII";
        }
        EXPECT_EQ(values(row.cyrillic), values(row.plain)) << "sentence " << i;
        EXPECT_TRUE(row.english.empty() || values(row.english) == values(row.plain)) << "sentence " << i;
    }
}
