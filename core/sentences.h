// sentences.h
// Every sentence the explorer says, in each of the suite's languages, compiled in: the Serbian written once in
// Cyrillic (its Latin form derived letter by letter), the plain form as the programs have always printed it, and
// English written by hand. A value in a sentence stands as {} and is filled in order. Each sentence is a constant of
// its own, so that a program carries only the sentences it says.
#pragma once

#include "case_texts.h"
#include "language.h"

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

/// A sentence in its written forms: the plain form, the Cyrillic source and the English.
struct Sentence {
    const char* plain = "";
    const char* cyrillic = "";
    const char* english = "";

    // The cases of the figures.
    static const Sentence PointInside;
    static const Sentence PointOutside;
    static const Sentence PointOnCircle;
    static const Sentence PointAtCentre;
    static const Sentence LineMissesCentre;
    static const Sentence LineThroughCentre;
    static const Sentence CircleThroughCentre;
    static const Sentence CircleMissesCentre;
    static const Sentence CircleIsK;
    static const Sentence CircleAboutCentre;
    static const Sentence CircleAtRightAngles;
    static const Sentence AnglesKept;
    static const Sentence AngleAtCentre;
    // The steps of the constructions.
    static const Sentence PointStep1;
    static const Sentence PointInsideStep2;
    static const Sentence PointInsideStep3;
    static const Sentence PointOutsideStep2;
    static const Sentence PointOutsideStep3;
    static const Sentence PointStep4;
    static const Sentence LineStep1;
    static const Sentence LineStep2;
    static const Sentence LineStep3;
    static const Sentence LineThroughStep;
    static const Sentence CircleStep1;
    static const Sentence CircleStep2;
    static const Sentence CircleStep3;
    static const Sentence CircleThroughStep1;
    static const Sentence CircleThroughStep2;
    static const Sentence CircleThroughStep3;
    // The construction's aids and the chosen handle's ring, by what they are.
    static const Sentence AidRayOP;
    static const Sentence AidPerpendicularAtP;
    static const Sentence AidTangentAtT1;
    static const Sentence AidTangentAtT2;
    static const Sentence AidCircleOnOP;
    static const Sentence AidTangentPT1;
    static const Sentence AidTangentPT2;
    static const Sentence AidChordT1T2;
    static const Sentence AidRadiusOT1;
    static const Sentence AidRightAngleAtT1;
    static const Sentence AidPerpendicularFromO;
    static const Sentence AidSegmentOF;
    static const Sentence AidCircleOnOF;
    static const Sentence AidLineOC;
    static const Sentence AidPerpendicularAtD;
    static const Sentence AidDiameterDE;
    static const Sentence AidCircleOnDE;
    static const Sentence Ring;
    // What the explorer prints, announces and shows in its band.
    static const Sentence ExplorerTitle;
    static const Sentence ExplorerHelp;
    static const Sentence BandKeys;
    static const Sentence ConstructionCleared;
    static const Sentence HandleChosen;
    static const Sentence AngleAtX;
    static const Sentence AngleAtXImage;
    static const Sentence BandLine;
    static const Sentence BandCircle;
    static const Sentence ImageLine;
    static const Sentence ImageNone;
    static const Sentence CircleWords;
    static const Sentence Saved;
    static const Sentence SaveError;
    // The figure in words, for a screen reader, and the colours it names.
    static const Sentence DescribeUndefined;
    static const Sentence DescribeInfinity;
    static const Sentence DescribeThroughPoint;
    static const Sentence DescribeK;
    static const Sentence DescribeCentre;
    static const Sentence DescribeLine;
    static const Sentence DescribeAngleX;
    static const Sentence DescribeAngleA;
    static const Sentence DescribeAngleB;
    static const Sentence DescribeLinePoint;
    static const Sentence DescribeCircleCentre;
    static const Sentence DescribeCirclePoint;
    static const Sentence DescribePoint;
    static const Sentence DescribeImageOfCircle;
    static const Sentence DescribeImageOfLine;
    static const Sentence DescribeImageOfP;
    static const Sentence DescribeImageOfX;
    static const Sentence DescribeImageOfLinePoint;
    static const Sentence DescribeImageOfCirclePoint;
    static const Sentence DescribeNamedPoint;
    static const Sentence DescribeNoImage;
    static const Sentence DescribeSegment;
    static const Sentence DescribeArcAtX;
    static const Sentence DescribeArcAtXImage;
    static const Sentence DescribeTangents;
    static const Sentence ColourRed;
    static const Sentence ColourGreen;
    static const Sentence ColourBlue;
    static const Sentence ColourYellow;
    static const Sentence ColourOrange;
    static const Sentence ColourMagenta;
    static const Sentence ColourCyan;
    static const Sentence ColourPurple;
    static const Sentence ColourWhite;
    static const Sentence ColourBlack;
    static const Sentence ColourConstruction;
    static const Sentence ColourNone;
};

/// Not a constant expression: a sentence that calls it cannot initialise a constant, and the build stops.
inline const char* aSentenceIsMissingInALanguage() {
    return "";
}

/// A sentence with all three forms written: one missing stops the build. A page speaks Cyrillic, Latin or English, so
/// in the web build the plain form, which only a console prints, stays out of the download (say derives it there).
constexpr Sentence written(const char* plain, const char* cyrillic, const char* english) {
#ifdef __EMSCRIPTEN__
    return !*plain || !*cyrillic || !*english ? Sentence{aSentenceIsMissingInALanguage(), "", ""}
                                              : Sentence{"", cyrillic, english};
#else
    return !*plain || !*cyrillic || !*english ? Sentence{aSentenceIsMissingInALanguage(), "", ""}
                                              : Sentence{plain, cyrillic, english};
#endif
}

// Point names (P, O, k, T1, X'), key names and the names of formats keep their Latin letters in every script, as
// Serbian geometry books and keyboards write them.
inline constexpr Sentence Sentence::PointInside =
    written(pointInsideText, "Тачка P је унутар круга k, па је њена слика P' ван круга k, на полуправој OP.",
            "The point P lies inside k, so its image P' lies outside k, on the ray OP.");
inline constexpr Sentence Sentence::PointOutside =
    written(pointOutsideText, "Тачка P је ван круга k, па је њена слика P' унутар круга k, на полуправој OP.",
            "The point P lies outside k, so its image P' lies inside k, on the ray OP.");
inline constexpr Sentence Sentence::PointOnCircle =
    written(pointOnCircleText, "Инверзија тачке која се налази на кружници је иста та тачка.",
            "A point on the circle k is its own image.");
inline constexpr Sentence Sentence::PointAtCentre = written(
    pointAtCentreText,
    "Тачка P је у центру круга k, а центар нема слику: што је P ближа тачки O, то је њена слика P' даље, па "
    "одлази у бесконачност.",
    "The point P is at the centre O of k, and O has no image: the closer P comes to O, the farther its image P' "
    "lies, off to infinity.");
inline constexpr Sentence Sentence::LineMissesCentre = written(
    lineMissesCentreText,
    "Уколико права чију инверзију тражимо НЕ пролази кроз центар круга, њена инверзија је круг чија кружница "
    "пролази кроз центар круга у односу на који инвертујемо, без самог центра.",
    "A line that does not pass through the centre O of k is mapped onto a circle through O, O itself excepted.");
inline constexpr Sentence Sentence::LineThroughCentre = written(
    lineThroughCentreText,
    "Уколико права чију инверзију тражимо пролази кроз центар круга, њена инверзија је такође та иста права без "
    "центра круга у односу на који инвертујемо.",
    "A line through the centre O of k is its own image, O itself excepted.");
inline constexpr Sentence Sentence::CircleThroughCentre = written(
    circleThroughCentreText,
    "Ако се центар круга инверзије налази на кружници круга који инвертујемо, онда је слика тог круга права "
    "линија одређена двема инвертованим тачкама са кружнице чију инверзију тражимо.\n",
    "A circle through the centre O of k is mapped onto a straight line, fixed by the images of two points of the "
    "circle.\n");
inline constexpr Sentence Sentence::CircleMissesCentre =
    written(circleMissesCentreText,
            "Уколико се центар круга инверзије не налази на кружници круга који инвертујемо, онда је слика тог круга "
            "такође круг.",
            "A circle that does not pass through the centre O of k is mapped onto a circle.");
inline constexpr Sentence Sentence::CircleIsK =
    written(circleIsKText, "Круг k се слика сам у себе: свака његова тачка је сама себи слика.",
            "The circle k is mapped onto itself: each of its points is its own image.");
inline constexpr Sentence Sentence::CircleAboutCentre =
    written(circleAboutCentreText,
            "Круг са центром у центру круга k слика се у круг са истим центром; производ њихових полупречника је 25.",
            "A circle about the centre O of k is mapped onto a circle about O; the product of their radii is 25.");
inline constexpr Sentence Sentence::CircleAtRightAngles = written(
    circleAtRightAnglesText,
    "Круг који сече круг k под правим углом слика се сам у себе: његов лук ван круга k прелази у лук унутар "
    "круга k, и обрнуто.",
    "A circle that crosses k at right angles is mapped onto itself: its arc outside k goes to its arc inside k, "
    "and back.");
inline constexpr Sentence Sentence::AnglesKept = written(
    anglesKeptText,
    "Инверзија чува углове: две праве које се секу у тачки X сликају се у два круга (или праву кроз O) који се "
    "секу у тачки X' и у центру O, под истим углом под којим се секу праве.",
    "Inversion keeps angles: two lines that meet at X are mapped onto two circles (or a line through O) that meet "
    "at X' and at O, at the same angle as the lines.");
inline constexpr Sentence Sentence::AngleAtCentre =
    written(anglesAtCentreText,
            "Тачка X је у центру круга k: обе праве пролазе кроз O, па је свака сама себи слика, а угао између њих "
            "остаје исти.",
            "The point X is at the centre O of k: both lines pass through O, so each is its own image, and the angle "
            "between them stays the same.");
inline constexpr Sentence Sentence::PointStep1 =
    written("Korak 1: poluprava OP.", "Корак 1: полуправа OP.", "Step 1: the ray OP.");
inline constexpr Sentence Sentence::PointInsideStep2 =
    written("Korak 2: normala na OP u tacki P sece kruznicu k u tackama T1 i T2.",
            "Корак 2: нормала на OP у тачки P сече кружницу k у тачкама T1 и T2.",
            "Step 2: the perpendicular to OP at P meets k at T1 and T2.");
inline constexpr Sentence Sentence::PointInsideStep3 =
    written("Korak 3: tangente kruznice k u tackama T1 i T2 seku se u tacki P'.",
            "Корак 3: тангенте кружнице k у тачкама T1 и T2 секу се у тачки P'.",
            "Step 3: the tangents to k at T1 and T2 meet at P'.");
inline constexpr Sentence Sentence::PointOutsideStep2 = written(
    "Korak 2: kruznica nad precnikom OP sece kruznicu k u tackama T1 i T2, pa su PT1 i PT2 tangente iz tacke P.",
    "Корак 2: кружница над пречником OP сече кружницу k у тачкама T1 и T2, па су PT1 и PT2 тангенте из тачке P.",
    "Step 2: the circle on the diameter OP meets k at T1 and T2, so PT1 and PT2 are the tangents from P.");
inline constexpr Sentence Sentence::PointOutsideStep3 =
    written("Korak 3: tetiva T1T2 sece polupravu OP u tacki P'.", "Корак 3: тетива T1T2 сече полуправу OP у тачки P'.",
            "Step 3: the chord T1T2 meets the ray OP at P'.");
inline constexpr Sentence Sentence::PointStep4 =
    written("Korak 4: P' je slika tacke P, jer je |OP| * |OP'| = r^2 = 25.",
            "Корак 4: P' је слика тачке P, јер је |OP| * |OP'| = r^2 = 25.",
            "Step 4: P' is the image of P, since |OP| * |OP'| = r^2 = 25.");
inline constexpr Sentence Sentence::LineStep1 =
    written("Korak 1: normala iz tacke O na pravu AB sece je u tacki F.",
            "Корак 1: нормала из тачке O на праву AB сече је у тачки F.",
            "Step 1: the perpendicular from O to the line AB meets it at F.");
inline constexpr Sentence Sentence::LineStep2 =
    written("Korak 2: F' je slika tacke F.", "Корак 2: F' је слика тачке F.", "Step 2: F' is the image of F.");
inline constexpr Sentence Sentence::LineStep3 = written(
    "Korak 3: slika prave AB je kruznica nad precnikom OF'.", "Корак 3: слика праве AB је кружница над пречником OF'.",
    "Step 3: the image of the line AB is the circle on the diameter OF'.");
inline constexpr Sentence Sentence::LineThroughStep =
    written("Prava AB prolazi kroz O, pa je sama sebi slika.", "Права AB пролази кроз O, па је сама себи слика.",
            "The line AB passes through O, so it is its own image.");
inline constexpr Sentence Sentence::CircleStep1 =
    written("Korak 1: prava OC sece kruznicu u tackama D i E.", "Корак 1: права OC сече кружницу у тачкама D и E.",
            "Step 1: the line OC meets the circle at D and E.");
inline constexpr Sentence Sentence::CircleStep2 =
    written("Korak 2: D' i E' su slike tacaka D i E.", "Корак 2: D' и E' су слике тачака D и E.",
            "Step 2: D' and E' are the images of D and E.");
inline constexpr Sentence Sentence::CircleStep3 = written(
    "Korak 3: slika kruga je kruznica nad precnikom D'E'.", "Корак 3: слика круга је кружница над пречником D'E'.",
    "Step 3: the image of the circle is the circle on the diameter D'E'.");
inline constexpr Sentence Sentence::CircleThroughStep1 =
    written("Korak 1: prava OC sece kruznicu jos u tacki D.", "Корак 1: права OC сече кружницу још у тачки D.",
            "Step 1: the line OC meets the circle again at D.");
inline constexpr Sentence Sentence::CircleThroughStep2 =
    written("Korak 2: D' je slika tacke D.", "Корак 2: D' је слика тачке D.", "Step 2: D' is the image of D.");
inline constexpr Sentence Sentence::CircleThroughStep3 = written(
    "Korak 3: slika kruga je prava kroz D' normalna na OC.", "Корак 3: слика круга је права кроз D' нормална на OC.",
    "Step 3: the image of the circle is the line through D' perpendicular to OC.");
inline constexpr Sentence Sentence::AidRayOP = written("poluprava OP", "полуправа OP", "the ray OP");
inline constexpr Sentence Sentence::AidPerpendicularAtP =
    written("normala na OP u tacki P", "нормала на OP у тачки P", "the perpendicular to OP at P");
inline constexpr Sentence Sentence::AidTangentAtT1 =
    written("tangenta kruznice k u tacki T1", "тангента кружнице k у тачки T1", "the tangent to k at T1");
inline constexpr Sentence Sentence::AidTangentAtT2 =
    written("tangenta kruznice k u tacki T2", "тангента кружнице k у тачки T2", "the tangent to k at T2");
inline constexpr Sentence Sentence::AidCircleOnOP =
    written("kruznica nad precnikom OP", "кружница над пречником OP", "the circle on the diameter OP");
inline constexpr Sentence Sentence::AidTangentPT1 = written("tangenta PT1", "тангента PT1", "the tangent PT1");
inline constexpr Sentence Sentence::AidTangentPT2 = written("tangenta PT2", "тангента PT2", "the tangent PT2");
inline constexpr Sentence Sentence::AidChordT1T2 = written("tetiva T1T2", "тетива T1T2", "the chord T1T2");
inline constexpr Sentence Sentence::AidRadiusOT1 = written("poluprecnik OT1", "полупречник OT1", "the radius OT1");
inline constexpr Sentence Sentence::AidRightAngleAtT1 =
    written("prav ugao u tacki T1", "прав угао у тачки T1", "the right angle at T1");
inline constexpr Sentence Sentence::AidPerpendicularFromO = written(
    "normala iz tacke O na pravu AB", "нормала из тачке O на праву AB", "the perpendicular from O to the line AB");
inline constexpr Sentence Sentence::AidSegmentOF = written("duz OF'", "дуж OF'", "the segment OF'");
inline constexpr Sentence Sentence::AidCircleOnOF =
    written("kruznica nad precnikom OF'", "кружница над пречником OF'", "the circle on the diameter OF'");
inline constexpr Sentence Sentence::AidLineOC = written("prava OC", "права OC", "the line OC");
inline constexpr Sentence Sentence::AidPerpendicularAtD =
    written("normala na OC u tacki D'", "нормала на OC у тачки D'", "the perpendicular to OC at D'");
inline constexpr Sentence Sentence::AidDiameterDE = written("precnik D'E'", "пречник D'E'", "the diameter D'E'");
inline constexpr Sentence Sentence::AidCircleOnDE =
    written("kruznica nad precnikom D'E'", "кружница над пречником D'E'", "the circle on the diameter D'E'");
inline constexpr Sentence Sentence::Ring =
    written("kruznica oko izabrane tacke", "кружница око изабране тачке", "the ring around the chosen point");
inline constexpr Sentence Sentence::ExplorerTitle = written(
    "Geometrija - istrazivanje inverzije", "Геометрија - истраживање инверзије", "Geometry - exploring inversion");
inline constexpr Sentence Sentence::ExplorerHelp = written(
    "Tasteri: 1 tacka, 2 prava, 3 krug, 4 ugao, r vraca figuru na pocetak, k sledeci korak konstrukcije,\n"
    "s cuva sliku kao SVG i TikZ, h pomoc, q ili Esc kraj (na veb stranici ne rade nista).\n"
    "n bira sledecu plavu tacku (oko nje je kruznica); strelice je pomeraju za 0.1, sa Shift za 1.\n"
    "Klik na tacku je bira; sledeci klik van tacaka pomera izabranu tacku tamo.\n"
    "Levim tasterom misa uhvatite plavu tacku (P, A ili B prave, centar C ili tacku R kruga, X, A ili B ugla)\n"
    "ili sliku P' i pomerajte je: slika (crvena) prati figuru. Tacka se lepi za O, za kruznicu k i za tacke sa "
    "celim\n"
    "koordinatama, a prava i krug se lepe tako da prolaze kroz O; krug se lepi i tako da bude krug k, da mu centar\n"
    "bude u O ili da sece kruznicu k pod pravim uglom.\n"
    "Tocak misa uvecava i umanjuje oko pokazivaca, + i - oko sredine; prevlacenje van tacaka pomera pogled;\n"
    "f prikazuje figuru, njenu sliku i konstrukciju, 0 vraca pocetni pogled, t skriva i prikazuje traku sa\n"
    "objasnjenjem na dnu prozora.\n",
    "Тастери: 1 тачка, 2 права, 3 круг, 4 угао, r враћа фигуру на почетак, k следећи корак конструкције,\n"
    "s чува слику као SVG и TikZ, h помоћ, q или Esc крај (на веб страници не раде ништа).\n"
    "n бира следећу плаву тачку (око ње је кружница); стрелице је померају за 0.1, са Shift за 1.\n"
    "Клик на тачку је бира; следећи клик ван тачака помера изабрану тачку тамо.\n"
    "Левим тастером миша ухватите плаву тачку (P, A или B праве, центар C или тачку R круга, X, A или B угла)\n"
    "или слику P' и померајте је: слика (црвена) прати фигуру. Тачка се лепи за O, за кружницу k и за тачке са "
    "целим\n"
    "координатама, а права и круг се лепе тако да пролазе кроз O; круг се лепи и тако да буде круг k, да му центар\n"
    "буде у O или да сече кружницу k под правим углом.\n"
    "Точак миша увећава и умањује око показивача, + и - око средине; превлачење ван тачака помера поглед;\n"
    "f приказује фигуру, њену слику и конструкцију, 0 враћа почетни поглед, t скрива и приказује траку са\n"
    "објашњењем на дну прозора.\n",
    "Keys: 1 point, 2 line, 3 circle, 4 angle, r puts the figure back, k the next step of the construction,\n"
    "s saves the picture as SVG and TikZ, h help, q or Esc quits (on the web page they do nothing).\n"
    "n chooses the next blue point (a ring marks it); the arrows move it by 0.1, with Shift by 1.\n"
    "A click on a point chooses it; the next click away from the points moves the chosen point there.\n"
    "Take a blue point with the left mouse button (P, A or B of the line, the centre C or the point R of the\n"
    "circle, X, A or B of the angle) or the image P' and move it: the image (red) follows the figure. A point\n"
    "snaps to O, to the circle k and to whole coordinates, and a line or a circle so that it passes through O; a\n"
    "circle also snaps to be k, to have its centre at O or to cross k at right angles.\n"
    "The mouse wheel zooms about the pointer, + and - about the middle; a drag away from the points moves the view;\n"
    "f shows the figure, its image and the construction, 0 the starting view, t hides and shows the band with the\n"
    "explanation at the bottom of the window.\n");
inline constexpr Sentence Sentence::BandKeys = written(
    "1-4 figura  k korak  n, strelice  r pocetak  tocak, + i - uvecanje  f sve  0 pogled  t traka  s cuva  h pomoc",
    "1-4 фигура  k корак  n, стрелице  r почетак  точак, + и - увећање  f све  0 поглед  t трака  s чува  h помоћ",
    "1-4 figure  k step  n, arrows  r start  wheel, + and - zoom  f all  0 view  t band  s save  h help");
inline constexpr Sentence Sentence::ConstructionCleared =
    written("Konstrukcija je obrisana.", "Конструкција је обрисана.", "The construction is cleared.");
inline constexpr Sentence Sentence::HandleChosen =
    written("Izabrana je tacka {}", "Изабрана је тачка {}", "Chosen: the point {}");
inline constexpr Sentence Sentence::AngleAtX =
    written("Ugao u X: {} stepeni", "Угао у X: {} степени", "Angle at X: {} degrees");
inline constexpr Sentence Sentence::AngleAtXImage =
    written(", ugao u X': {} stepeni", ", угао у X': {} степени", ", angle at X': {} degrees");
inline constexpr Sentence Sentence::BandLine =
    written("Prava {}, slika: {}", "Права {}, слика: {}", "Line {}, image: {}");
inline constexpr Sentence Sentence::BandCircle =
    written("Dati {}, slika: {}", "Дати {}, слика: {}", "Given {}, image: {}");
inline constexpr Sentence Sentence::ImageLine = written("prava {}", "права {}", "the line {}");
inline constexpr Sentence Sentence::ImageNone = written("nema je", "нема је", "none");
inline constexpr Sentence Sentence::CircleWords =
    written("krug sa centrom {} i poluprecnikom {}", "круг са центром {} и полупречником {}",
            "the circle with centre {} and radius {}");
inline constexpr Sentence Sentence::Saved =
    written("Sacuvano: {}.svg, {}.tex", "Сачувано: {}.svg, {}.tex", "Saved: {}.svg, {}.tex");
inline constexpr Sentence Sentence::SaveError = written("Greska: {}: {}", "Грешка: {}: {}", "Error: {}: {}");

inline constexpr Sentence Sentence::DescribeUndefined = written("nedefinisano", "недефинисано", "undefined");
inline constexpr Sentence Sentence::DescribeInfinity = written("beskonacno", "бесконачно", "infinity");
inline constexpr Sentence Sentence::DescribeThroughPoint =
    written("kroz tacku {}", "кроз тачку {}", "through the point {}");
inline constexpr Sentence Sentence::DescribeK =
    written("Krug k sa centrom O{} i poluprecnikom {}", "Круг k са центром O{} и полупречником {}",
            "The circle k with centre O{} and radius {}");
inline constexpr Sentence Sentence::DescribeCentre =
    written("Centar O{} kruga k", "Центар O{} круга k", "The centre O{} of k");
inline constexpr Sentence Sentence::DescribeLine = written("Prava {}", "Права {}", "The line {}");
inline constexpr Sentence Sentence::DescribeAngleX =
    written("Tacka X{}, presek pravih", "Тачка X{}, пресек правих", "The point X{}, where the lines meet");
inline constexpr Sentence Sentence::DescribeAngleA =
    written("Tacka A{} prve prave", "Тачка A{} прве праве", "The point A{} of the first line");
inline constexpr Sentence Sentence::DescribeAngleB =
    written("Tacka B{} druge prave", "Тачка B{} друге праве", "The point B{} of the second line");
inline constexpr Sentence Sentence::DescribeLinePoint =
    written("Tacka {}{} prave", "Тачка {}{} праве", "The point {}{} of the line");
inline constexpr Sentence Sentence::DescribeCircleCentre =
    written("Centar C{} kruga", "Центар C{} круга", "The centre C{} of the circle");
inline constexpr Sentence Sentence::DescribeCirclePoint =
    written("Tacka R{} kruga", "Тачка R{} круга", "The point R{} of the circle");
inline constexpr Sentence Sentence::DescribePoint = written("Tacka P{}{}", "Тачка P{}{}", "The point P{}{}");
inline constexpr Sentence Sentence::DescribeImageOfCircle =
    written("Slika kruga je {}", "Слика круга је {}", "The image of the circle is {}");
inline constexpr Sentence Sentence::DescribeImageOfLine =
    written("Slika prave je {}", "Слика праве је {}", "The image of the line is {}");
inline constexpr Sentence Sentence::DescribeImageOfP =
    written("Slika tacke P je tacka P'{}", "Слика тачке P је тачка P'{}", "The image of P is the point P'{}");
inline constexpr Sentence Sentence::DescribeImageOfX =
    written("Slika tacke X je tacka X'{}", "Слика тачке X је тачка X'{}", "The image of X is the point X'{}");
inline constexpr Sentence Sentence::DescribeImageOfLinePoint =
    written("Slika jedne tacke prave je tacka {}", "Слика једне тачке праве је тачка {}",
            "The image of a point of the line is the point {}");
inline constexpr Sentence Sentence::DescribeImageOfCirclePoint =
    written("Slika jedne tacke kruga je tacka {}", "Слика једне тачке круга је тачка {}",
            "The image of a point of the circle is the point {}");
inline constexpr Sentence Sentence::DescribeNamedPoint = written("Tacka {}{}", "Тачка {}{}", "The point {}{}");
inline constexpr Sentence Sentence::DescribeNoImage =
    written("Tacka P nema sliku.", "Тачка P нема слику.", "The point P has no image.");
inline constexpr Sentence Sentence::DescribeSegment =
    written("Duz od {} do {}", "Дуж од {} до {}", "The segment from {} to {}");
inline constexpr Sentence Sentence::DescribeArcAtX =
    written("Luk ugla izmedju pravih u tacki X od {} stepeni", "Лук угла између правих у тачки X од {} степени",
            "The arc of the angle between the lines at X, {} degrees");
inline constexpr Sentence Sentence::DescribeArcAtXImage =
    written("Luk ugla izmedju njihovih slika u tacki X' od {} stepeni",
            "Лук угла између њихових слика у тачки X' од {} степени",
            "The arc of the angle between their images at X', {} degrees");
inline constexpr Sentence Sentence::DescribeTangents =
    written("Tangente slika u tacki X', isprekidane", "Тангенте слика у тачки X', испрекидане",
            "The tangents to the images at X', dashed");
inline constexpr Sentence Sentence::ColourRed = written("u crvenoj boji", "у црвеној боји", "in red");
inline constexpr Sentence Sentence::ColourGreen = written("u zelenoj boji", "у зеленој боји", "in green");
inline constexpr Sentence Sentence::ColourBlue = written("u plavoj boji", "у плавој боји", "in blue");
inline constexpr Sentence Sentence::ColourYellow = written("u zutoj boji", "у жутој боји", "in yellow");
inline constexpr Sentence Sentence::ColourOrange = written("u narandzastoj boji", "у наранџастој боји", "in orange");
inline constexpr Sentence Sentence::ColourMagenta = written("u magenta boji", "у магента боји", "in magenta");
inline constexpr Sentence Sentence::ColourCyan = written("u tirkiznoj boji", "у тиркизној боји", "in cyan");
inline constexpr Sentence Sentence::ColourPurple = written("u ljubicastoj boji", "у љубичастој боји", "in purple");
inline constexpr Sentence Sentence::ColourWhite = written("u beloj boji", "у белој боји", "in white");
inline constexpr Sentence Sentence::ColourBlack = written("u crnoj boji", "у црној боји", "in black");
inline constexpr Sentence Sentence::ColourConstruction =
    written("u tamnozelenoj boji", "у тамнозеленој боји", "in dark green");
inline constexpr Sentence Sentence::ColourNone =
    written("bez sopstvene boje", "без сопствене боје", "without a colour of its own");

/// The sentence in a language, its values filled in order where it has {}.
std::string say(const Sentence& sentence, Language language, std::initializer_list<std::string_view> values = {});

/// Every sentence of the explorer, for the check of their forms.
extern const Sentence* const allSentences[];
extern const std::size_t sentenceCount;

/// A text of the web pages around the programs (their headings, navigation, buttons and notes), by the key the pages
/// name it with (explorer-... for the explorer's page alone); the same three forms as a sentence. Markup (<kbd>) and
/// symbols (P′, ², ·) pass through every form.
struct PageTextRow {
    const char* key = "";
    const char* plain = "";
    const char* cyrillic = "";
    const char* english = "";
};

/// The pages' texts, count of them.
extern const PageTextRow pageTextRows[];
extern const std::size_t pageTextCount;

/// The language after this one, as the key j cycles them: Cyrillic, Latin, English, plain, Cyrillic ...
Language nextLanguage(Language language);
