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
    // The applications of inversion: each one's cases, the steps of its reasoning, what its aids are, and what the
    // program prints, announces and shows in its band.
    static const Sentence LinkageLine;
    static const Sentence LinkageCircle;
    static const Sentence LinkageStopped;
    static const Sentence PappusChainCase;
    static const Sentence SteinerChain;
    static const Sentence SteinerConcentric;
    static const Sentence PtolemyEquality;
    static const Sentence PtolemyOtherOrder;
    static const Sentence PtolemyInequality;
    static const Sentence LinkageStep1;
    static const Sentence LinkageStep2;
    static const Sentence LinkageLineStep3;
    static const Sentence LinkageCircleStep3;
    static const Sentence PappusStep1;
    static const Sentence PappusStep2;
    static const Sentence PappusStep3;
    static const Sentence PappusStep4;
    static const Sentence SteinerStep1;
    static const Sentence SteinerStep2;
    static const Sentence SteinerStep3;
    static const Sentence PtolemyStep1;
    static const Sentence PtolemyStep2;
    static const Sentence PtolemyStep3;
    static const Sentence PtolemyEqualityStep4;
    static const Sentence PtolemyInequalityStep4;
    static const Sentence AidBisectorAC;
    static const Sentence AidChordAC;
    static const Sentence AidTraceOfD;
    static const Sentence AidCircleOfInversion;
    static const Sentence AidHeightOfCircleN;
    static const Sentence AidRaysOfChain;
    static const Sentence AidRaysToImages;
    static const Sentence AidDiagonals;
    static const Sentence ApplicationsTitle;
    static const Sentence ApplicationsHelp;
    static const Sentence ApplicationsBandKeys;
    static const Sentence ReasoningCleared;
    // What is wrong with a figure's link (--slika), and what opens instead.
    static const Sentence LinkTooFewParts;
    static const Sentence LinkTooManyParts;
    static const Sentence LinkKind;
    static const Sentence LinkNumber;
    static const Sentence LinkPoints;
    static const Sentence LinkView;
    static const Sentence LinkSteps;
    static const Sentence LinkOpensStart;
    // The exercises: the window, the help, the band's keys, the prompts and the objects they name; the verdicts and the
    // hints with the rays they name; the band's lines and the summary.
    static const Sentence ExercisesTitle;
    static const Sentence ExercisesHelp;
    static const Sentence ExercisesBandKeys;
    static const Sentence PromptPointImage;
    static const Sentence PromptPointOfImage;
    static const Sentence PromptLineFoot;
    static const Sentence PromptCircleFoot;
    static const Sentence PromptCircleImage;
    static const Sentence PromptImageShape;
    static const Sentence PromptOwnImage;
    static const Sentence ObjectLine;
    static const Sentence ObjectCircleThroughCentre;
    static const Sentence ObjectCircle;
    static const Sentence ChoiceLineThroughCentre;
    static const Sentence ChoiceCircleThroughCentre;
    static const Sentence ChoiceCircleMissingCentre;
    static const Sentence ChoiceLineMissingCentre;
    static const Sentence Right;
    static const Sentence Wrong;
    static const Sentence WrongWithAnswer;
    static const Sentence RayOP;
    static const Sentence RayOPImage;
    static const Sentence RayOC;
    static const Sentence RayToLine;
    static const Sentence HintOppositeRay;
    static const Sentence HintOffRay;
    static const Sentence HintInsideK;
    static const Sentence HintOutsideK;
    static const Sentence HintProduct;
    static const Sentence HintFootOfPerpendicular;
    static const Sentence HintOppositePoint;
    static const Sentence HintCentreIsImageOfCentre;
    static const Sentence HintCentreWrong;
    static const Sentence HintRadiusSmall;
    static const Sentence HintRadiusLarge;
    static const Sentence HintOwnSmall;
    static const Sentence HintOwnLarge;
    static const Sentence HintLineOrCircle;
    static const Sentence HintThroughCentre;
    static const Sentence HintNoChoice;
    static const Sentence AnswerCircle;
    static const Sentence AnswerOwnImage;
    static const Sentence ChoiceMade;
    static const Sentence PointsSoFar;
    static const Sentence NextExercise;
    static const Sentence TryAgain;
    static const Sentence StartAgain;
    static const Sentence Score;
    static const Sentence PointsOne;
    static const Sentence PointsMany;
    static const Sentence SetNamed;
    static const Sentence SetError;
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
    "l ispisuje adresu veb stranice koja otvara ovu figuru.\n"
    "j bira sledeci jezik: cirilica, latinica, engleski i latinica bez znakova.\n"
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
    "l исписује адресу веб странице која отвара ову фигуру.\n"
    "j бира следећи језик: ћирилица, латиница, енглески и латиница без знакова.\n"
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
    "l prints the address of the web page that opens this figure.\n"
    "j chooses the next language: Serbian in Cyrillic, in Latin, English, and Latin without diacritics.\n"
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

inline constexpr Sentence Sentence::LinkageLine =
    written("Poseljeov inverzor: |OA| = |OC| = 7, a stranica romba ABCD je sqrt(24), pa je |OB| * |OD| = 49 - 24 = 25 "
            "= r^2: tacka D je slika tacke B u odnosu na k. Sedma sipka QB drzi tacku B na kruznici kroz O, pa D crta "
            "pravu, sliku te kruznice.",
            "Посељеов инверзор: |OA| = |OC| = 7, а страница ромба ABCD је sqrt(24), па је |OB| * |OD| = 49 - 24 = 25 = "
            "r^2: тачка D је слика тачке B у односу на k. Седма шипка QB држи тачку B на кружници кроз O, па D црта "
            "праву, слику те кружнице.",
            "Peaucellier's inversor: |OA| = |OC| = 7 and the rhombus ABCD has sides sqrt(24), so |OB| * |OD| = 49 - 24 "
            "= 25 = r^2: D is the image of B in k. The seventh bar QB holds B on a circle through O, so D draws a "
            "straight line, the image of that circle.");
inline constexpr Sentence Sentence::LinkageCircle = written(
    "Kruznica po kojoj sedma sipka QB vodi tacku B ne prolazi kroz O, pa D, slika tacke B, crta kruznicu, a ne pravu.",
    "Кружница по којој седма шипка QB води тачку B не пролази кроз O, па D, слика тачке B, црта кружницу, а не праву.",
    "The circle on which the seventh bar QB leads B does not pass through O, so D, the image of B, draws a circle, not "
    "a straight line.");
inline constexpr Sentence Sentence::LinkageStopped =
    written("Sipke ne dopustaju dalje: |OB| ostaje izmedju 7 - sqrt(24) i 5, pa se tacka zaustavlja na granici.",
            "Шипке не допуштају даље: |OB| остаје између 7 - sqrt(24) и 5, па се тачка зауставља на граници.",
            "The bars go no farther: |OB| stays between 7 - sqrt(24) and 5, so the point stops at the limit.");
inline constexpr Sentence Sentence::PappusChainCase = written(
    "Paposov lanac u arbelosu nad AB: pocevsi od kruznice nad CB, svaka kruznica lanca dodiruje kruznice nad AB i AC i "
    "kruznicu pre sebe. Inverzija sa centrom u A = O koja kruznicu n ostavlja na mestu slika lanac u niz jednakih "
    "kruznica izmedju dve paralelne prave, pa je centar kruznice n na visini h = n * d iznad AB, gde je d njen "
    "precnik.",
    "Папосов ланац у арбелосу над AB: почевши од кружнице над CB, свака кружница ланца додирује кружнице над AB и AC и "
    "кружницу пре себе. Инверзија са центром у A = O која кружницу n оставља на месту слика ланац у низ једнаких "
    "кружница између две паралелне праве, па је центар кружнице n на висини h = n * d изнад AB, где је d њен пречник.",
    "The Pappus chain in the arbelos on AB: from the circle on CB on, each circle of the chain touches the circles on "
    "AB and AC and the one before it. The inversion about A = O that leaves circle n in place takes the chain to a "
    "column of equal circles between two parallel lines, so the centre of circle n lies at the height h = n * d above "
    "AB, d being its diameter.");
inline constexpr Sentence Sentence::SteinerChain = written(
    "Stajnerov lanac: n kruznica izmedju dve kruznice, od kojih je jedna unutar druge, svaka dodiruje obe i svoje dve "
    "susedne. Inverzija sa centrom u granicnoj tacki tih kruznica slika ih u dve koncentricne kruznice, gde se lanac "
    "zatvara kada je sin(180/n) = (R - q) / (R + q): tada se zatvara ma gde poceo (Stajnerov porizam).",
    "Штајнеров ланац: n кружница између две кружнице, од којих је једна унутар друге, свака додирује обе и своје две "
    "суседне. Инверзија са центром у граничној тачки тих кружница слика их у две концентричне кружнице, где се ланац "
    "затвара када је sin(180/n) = (R - q) / (R + q): тада се затвара ма где почео (Штајнеров поризам).",
    "Steiner's chain: n circles between two circles, one inside the other, each touching both and its two neighbours. "
    "The inversion about a limiting point of the two circles takes them to two concentric circles, where the chain "
    "closes when sin(180/n) = (R - q) / (R + q): then it closes wherever it starts (Steiner's porism).");
inline constexpr Sentence Sentence::SteinerConcentric =
    written("Kruznice su koncentricne: kruznice lanca su jednake, a lanac se zatvara kada je sin(180/n) = (R - q) / (R "
            "+ q), ma gde poceo.",
            "Кружнице су концентричне: кружнице ланца су једнаке, а ланац се затвара када је sin(180/n) = (R - q) / (R "
            "+ q), ма где почео.",
            "The circles are concentric: the circles of the chain are equal, and the chain closes when sin(180/n) = (R "
            "- q) / (R + q), wherever it starts.");
inline constexpr Sentence Sentence::PtolemyEquality = written(
    "Ptolemejeva teorema: tacke A, B, C i O leze tim redom na kruznici kroz O, koju inverzija u odnosu na k slika u "
    "pravu, pa je A'B' + B'C' = A'C'. Kako je A'B' = 25 * AB / (|OA| * |OB|), to daje AB * CO + BC * AO = AC * BO.",
    "Птолемејева теорема: тачке A, B, C и O леже тим редом на кружници кроз O, коју инверзија у односу на k слика у "
    "праву, па је A'B' + B'C' = A'C'. Како је A'B' = 25 * AB / (|OA| * |OB|), то даје AB * CO + BC * AO = AC * BO.",
    "Ptolemy's theorem: A, B, C and O lie in this order on a circle through O, which inversion in k takes to a line, "
    "so A'B' + B'C' = A'C'. As A'B' = 25 * AB / (|OA| * |OB|), this gives AB * CO + BC * AO = AC * BO.");
inline constexpr Sentence Sentence::PtolemyOtherOrder =
    written("Tacke A, B, C i O leze na kruznici, ali ne tim redom: B' nije izmedju A' i C', pa je A'B' + B'C' > A'C' i "
            "AB * CO + BC * AO > AC * BO.",
            "Тачке A, B, C и O леже на кружници, али не тим редом: B' није између A' и C', па је A'B' + B'C' > A'C' и "
            "AB * CO + BC * AO > AC * BO.",
            "A, B, C and O lie on a circle, but not in this order: B' is not between A' and C', so A'B' + B'C' > A'C' "
            "and AB * CO + BC * AO > AC * BO.");
inline constexpr Sentence Sentence::PtolemyInequality =
    written("Tacke A, B, C i O ne leze na jednoj kruznici: slike A', B' i C' nisu na jednoj pravoj, pa je A'B' + B'C' "
            "> A'C' i AB * CO + BC * AO > AC * BO (Ptolemejeva nejednakost).",
            "Тачке A, B, C и O не леже на једној кружници: слике A', B' и C' нису на једној правој, па је A'B' + B'C' "
            "> A'C' и AB * CO + BC * AO > AC * BO (Птолемејева неједнакост).",
            "A, B, C and O do not lie on one circle: the images A', B' and C' are not on one line, so A'B' + B'C' > "
            "A'C' and AB * CO + BC * AO > AC * BO (Ptolemy's inequality).");
inline constexpr Sentence Sentence::LinkageStep1 = written(
    "Korak 1: |OA| = |OC| i |AB| = |BC| = |CD| = |DA|, pa tacke O, B i D leze na simetrali duzi AC.",
    "Корак 1: |OA| = |OC| и |AB| = |BC| = |CD| = |DA|, па тачке O, B и D леже на симетрали дужи AC.",
    "Step 1: |OA| = |OC| and |AB| = |BC| = |CD| = |DA|, so O, B and D lie on the perpendicular bisector of AC.");
inline constexpr Sentence Sentence::LinkageStep2 =
    written("Korak 2: za sredinu M duzi AC je |OB| * |OD| = |OM|^2 - |MB|^2 = |OA|^2 - |AB|^2 = 49 - 24 = 25 = r^2, pa "
            "je D slika tacke B.",
            "Корак 2: за средину M дужи AC је |OB| * |OD| = |OM|^2 - |MB|^2 = |OA|^2 - |AB|^2 = 49 - 24 = 25 = r^2, па "
            "је D слика тачке B.",
            "Step 2: with M the midpoint of AC, |OB| * |OD| = |OM|^2 - |MB|^2 = |OA|^2 - |AB|^2 = 49 - 24 = 25 = r^2, "
            "so D is the image of B.");
inline constexpr Sentence Sentence::LinkageLineStep3 = written(
    "Korak 3: kruznica po kojoj se krece B prolazi kroz O, a slika takve kruznice je prava: D se krece po toj pravoj.",
    "Корак 3: кружница по којој се креће B пролази кроз O, а слика такве кружнице је права: D се креће по тој правој.",
    "Step 3: the circle that B moves on passes through O, and the image of such a circle is a line: D moves along that "
    "line.");
inline constexpr Sentence Sentence::LinkageCircleStep3 = written(
    "Korak 3: kruznica po kojoj se krece B ne prolazi kroz O, pa je njena slika kruznica: D se krece po toj kruznici.",
    "Корак 3: кружница по којој се креће B не пролази кроз O, па је њена слика кружница: D се креће по тој кружници.",
    "Step 3: the circle that B moves on misses O, so its image is a circle: D moves along that circle.");
inline constexpr Sentence Sentence::PappusStep1 =
    written("Korak 1: inverzija sa centrom A = O, ciji je kvadrat poluprecnika potencija tacke O u odnosu na kruznicu "
            "n, ostavlja tu kruznicu na mestu.",
            "Корак 1: инверзија са центром A = O, чији је квадрат полупречника потенција тачке O у односу на кружницу "
            "n, оставља ту кружницу на месту.",
            "Step 1: the inversion about A = O whose radius squared is the power of O with respect to circle n leaves "
            "that circle in place.");
inline constexpr Sentence Sentence::PappusStep2 =
    written("Korak 2: kruznice nad AB i AC prolaze kroz centar inverzije, pa se slikaju u dve prave normalne na AB.",
            "Корак 2: кружнице над AB и AC пролазе кроз центар инверзије, па се сликају у две праве нормалне на AB.",
            "Step 2: the circles on AB and AC pass through the centre of the inversion, so they go to two lines "
            "perpendicular to AB.");
inline constexpr Sentence Sentence::PappusStep3 =
    written("Korak 3: lanac se slika u niz jednakih kruznica izmedju tih pravih, svaka na prethodnoj; kruznica n "
            "ostaje na mestu.",
            "Корак 3: ланац се слика у низ једнаких кружница између тих правих, свака на претходној; кружница n остаје "
            "на месту.",
            "Step 3: the chain goes to a column of equal circles between those lines, each on the one before; circle n "
            "stays in place.");
inline constexpr Sentence Sentence::PappusStep4 =
    written("Korak 4: zato je centar kruznice n na visini od n precnika iznad AB: h = n * d.",
            "Корак 4: зато је центар кружнице n на висини од n пречника изнад AB: h = n * d.",
            "Step 4: so the centre of circle n lies n diameters above AB: h = n * d.");
inline constexpr Sentence Sentence::SteinerStep1 =
    written("Korak 1: granicna tacka dve kruznice je centar inverzije koja ih slika u dve koncentricne kruznice.",
            "Корак 1: гранична тачка две кружнице је центар инверзије која их слика у две концентричне кружнице.",
            "Step 1: a limiting point of the two circles is the centre of an inversion that takes them to two "
            "concentric circles.");
inline constexpr Sentence Sentence::SteinerStep2 =
    written("Korak 2: lanac se slika u n jednakih kruznica izmedju koncentricnih kruznica poluprecnika R i q.",
            "Корак 2: ланац се слика у n једнаких кружница између концентричних кружница полупречника R и q.",
            "Step 2: the chain goes to n equal circles between the concentric circles of radii R and q.");
inline constexpr Sentence Sentence::SteinerStep3 =
    written("Korak 3: susedne jednake kruznice se dodiruju kada je sin(180/n) = (R - q) / (R + q); to ne zavisi od "
            "mesta prve, pa se lanac zatvara ma gde poceo.",
            "Корак 3: суседне једнаке кружнице се додирују када је sin(180/n) = (R - q) / (R + q); то не зависи од "
            "места прве, па се ланац затвара ма где почео.",
            "Step 3: neighbouring equal circles touch when sin(180/n) = (R - q) / (R + q); this does not depend on "
            "where the first one is, so the chain closes wherever it starts.");
inline constexpr Sentence Sentence::PtolemyStep1 =
    written("Korak 1: kruznica kroz O se inverzijom u odnosu na k slika u pravu.",
            "Корак 1: кружница кроз O се инверзијом у односу на k слика у праву.",
            "Step 1: inversion in k takes the circle through O to a line.");
inline constexpr Sentence Sentence::PtolemyStep2 =
    written("Korak 2: A', B' i C' su slike tacaka A, B i C, na polupravama OA, OB i OC.",
            "Корак 2: A', B' и C' су слике тачака A, B и C, на полуправама OA, OB и OC.",
            "Step 2: A', B' and C' are the images of A, B and C, on the rays OA, OB and OC.");
inline constexpr Sentence Sentence::PtolemyStep3 = written(
    "Korak 3: trouglovi OAB i OB'A' su slicni, pa je A'B' = 25 * AB / (|OA| * |OB|); tako i B'C' i A'C'.",
    "Корак 3: троуглови OAB и OB'A' су слични, па је A'B' = 25 * AB / (|OA| * |OB|); тако и B'C' и A'C'.",
    "Step 3: the triangles OAB and OB'A' are similar, so A'B' = 25 * AB / (|OA| * |OB|); so too B'C' and A'C'.");
inline constexpr Sentence Sentence::PtolemyEqualityStep4 =
    written("Korak 4: A'B' + B'C' = A'C', pomnozeno sa |OA| * |OB| * |OC| / 25, daje AB * CO + BC * AO = AC * BO.",
            "Корак 4: A'B' + B'C' = A'C', помножено са |OA| * |OB| * |OC| / 25, даје AB * CO + BC * AO = AC * BO.",
            "Step 4: A'B' + B'C' = A'C', multiplied by |OA| * |OB| * |OC| / 25, gives AB * CO + BC * AO = AC * BO.");
inline constexpr Sentence Sentence::PtolemyInequalityStep4 =
    written("Korak 4: A'B' + B'C' > A'C', pomnozeno sa |OA| * |OB| * |OC| / 25, daje AB * CO + BC * AO > AC * BO.",
            "Корак 4: A'B' + B'C' > A'C', помножено са |OA| * |OB| * |OC| / 25, даје AB * CO + BC * AO > AC * BO.",
            "Step 4: A'B' + B'C' > A'C', multiplied by |OA| * |OB| * |OC| / 25, gives AB * CO + BC * AO > AC * BO.");
inline constexpr Sentence Sentence::AidBisectorAC =
    written("simetrala duzi AC", "симетрала дужи AC", "the perpendicular bisector of AC");
inline constexpr Sentence Sentence::AidChordAC = written("duz AC", "дуж AC", "the segment AC");
inline constexpr Sentence Sentence::AidTraceOfD = written("trag tacke D", "траг тачке D", "the trace of D");
inline constexpr Sentence Sentence::AidCircleOfInversion =
    written("kruznica inverzije", "кружница инверзије", "the circle of the inversion");
inline constexpr Sentence Sentence::AidHeightOfCircleN =
    written("visina h centra kruznice n", "висина h центра кружнице n", "the height h of the centre of circle n");
inline constexpr Sentence Sentence::AidRaysOfChain =
    written("duzi iz centra do centara dve susedne kruznice", "дужи из центра до центара две суседне кружнице",
            "the segments from the centre to the centres of two neighbouring circles");
inline constexpr Sentence Sentence::AidRaysToImages =
    written("duzi OA', OB' i OC'", "дужи OA', OB' и OC'", "the segments OA', OB' and OC'");
inline constexpr Sentence Sentence::AidDiagonals =
    written("dijagonale AC i BO", "дијагонале AC и BO", "the diagonals AC and BO");
inline constexpr Sentence Sentence::ApplicationsTitle =
    written("Geometrija - primene inverzije", "Геометрија - примене инверзије", "Geometry - applications of inversion");
inline constexpr Sentence Sentence::ApplicationsHelp = written(
    "Tasteri: 1 Poseljeov inverzor, 2 Paposov lanac, 3 Stajnerov lanac, 4 Ptolemejeva teorema; r vraca primenu na "
    "pocetak,\n"
    "k sledeci korak obrazlozenja, i inverzna (Papos) ili koncentricna (Stajner) slika, [ i ] menjaju n,\n"
    "s cuva sliku kao SVG i TikZ, h pomoc, q ili Esc kraj (na veb stranici ne rade nista).\n"
    "n bira sledecu tacku (oko nje je kruznica); strelice je pomeraju za 0.1, sa Shift za 1, a tacku na krivoj duz "
    "krive.\n"
    "Klik na tacku je bira; sledeci klik van tacaka pomera izabranu tacku tamo.\n"
    "Levim tasterom misa uhvatite tacku i pomerajte je: B, D ili Q inverzora, C arbelosa, T ili C Stajnerovog lanca,\n"
    "A, B ili C Ptolemejeve teoreme. B ide po svojoj kruznici, D po svojoj putanji, C po duzi AB, T po spoljasnjoj "
    "kruznici.\n"
    "Tocak misa uvecava i umanjuje oko pokazivaca, + i - oko sredine; prevlacenje van tacaka pomera pogled;\n"
    "f prikazuje celu sliku, 0 vraca pocetni pogled, t skriva i prikazuje traku sa objasnjenjem na dnu prozora.\n",
    "Тастери: 1 Посељеов инверзор, 2 Папосов ланац, 3 Штајнеров ланац, 4 Птолемејева теорема; r враћа примену на "
    "почетак,\n"
    "k следећи корак образложења, i инверзна (Папос) или концентрична (Штајнер) слика, [ и ] мењају n,\n"
    "s чува слику као SVG и TikZ, h помоћ, q или Esc крај (на веб страници не раде ништа).\n"
    "n бира следећу тачку (око ње је кружница); стрелице је померају за 0.1, са Shift за 1, а тачку на кривој дуж "
    "криве.\n"
    "Клик на тачку је бира; следећи клик ван тачака помера изабрану тачку тамо.\n"
    "Левим тастером миша ухватите тачку и померајте је: B, D или Q инверзора, C арбелоса, T или C Штајнеровог ланца,\n"
    "A, B или C Птолемејеве теореме. B иде по својој кружници, D по својој путањи, C по дужи AB, T по спољашњој "
    "кружници.\n"
    "Точак миша увећава и умањује око показивача, + и - око средине; превлачење ван тачака помера поглед;\n"
    "f приказује целу слику, 0 враћа почетни поглед, t скрива и приказује траку са објашњењем на дну прозора.\n",
    "Keys: 1 Peaucellier's inversor, 2 Pappus chain, 3 Steiner's chain, 4 Ptolemy's theorem; r puts the application "
    "back,\n"
    "k the next step of the reasoning, i the inverted (Pappus) or concentric (Steiner) picture, [ and ] change n,\n"
    "s saves the picture as SVG and TikZ, h help, q or Esc quits (on the web page they do nothing).\n"
    "n chooses the next point (a ring marks it); the arrows move it by 0.1, with Shift by 1, a point on a curve along "
    "it.\n"
    "A click on a point chooses it; the next click away from the points moves the chosen point there.\n"
    "Take a point with the left mouse button and move it: B, D or Q of the inversor, C of the arbelos, T or C of "
    "Steiner's chain,\n"
    "A, B or C of Ptolemy's theorem. B keeps to its circle, D to its path, C to the segment AB, T to the outer "
    "circle.\n"
    "The mouse wheel zooms about the pointer, + and - about the middle; a drag away from the points moves the view;\n"
    "f shows the whole picture, 0 the starting view, t hides and shows the band with the explanation at the bottom of "
    "the\n"
    "window.\n");
inline constexpr Sentence Sentence::ApplicationsBandKeys =
    written("1-4 primena  k korak  i slika  [ ] n  n, strelice  r pocetak  tocak, + i - uvecanje  f sve  0 pogled  t "
            "traka  s cuva  h pomoc",
            "1-4 примена  k корак  i слика  [ ] n  n, стрелице  r почетак  точак, + и - увећање  f све  0 поглед  t "
            "трака  s чува  h помоћ",
            "1-4 application  k step  i picture  [ ] n  n, arrows  r start  wheel, + and - zoom  f all  0 view  t band "
            " s save  h help");
inline constexpr Sentence Sentence::ReasoningCleared =
    written("Obrazlozenje je obrisano.", "Образложење је обрисано.", "The reasoning is cleared.");

inline constexpr Sentence Sentence::LinkTooFewParts =
    written("Greska: zapis figure '{}' nema cetiri dela odvojena znakom ~.",
            "Грешка: запис фигуре '{}' нема четири дела одвојена знаком ~.",
            "Error: the figure's text '{}' does not have four parts between the signs ~.");
inline constexpr Sentence Sentence::LinkTooManyParts =
    written("Greska: zapis figure ima visak posle cetvrtog dela: '{}'.",
            "Грешка: запис фигуре има вишак после четвртог дела: '{}'.",
            "Error: the figure's text goes on past its fourth part: '{}'.");
inline constexpr Sentence Sentence::LinkKind = written("Greska: nema figure '{}' (tacka, prava, krug ili ugao).",
                                                       "Грешка: нема фигуре '{}' (tacka, prava, krug или ugao).",
                                                       "Error: there is no figure '{}' (tacka, prava, krug or ugao).");
inline constexpr Sentence Sentence::LinkNumber =
    written("Greska: '{}' nije ispravan broj zapisa figure.", "Грешка: '{}' није исправан број записа фигуре.",
            "Error: '{}' is not a number of a figure's text.");
inline constexpr Sentence Sentence::LinkPoints =
    written("Greska: tacke figure '{}' nisu ispravne (broj koordinata ili dve tacke na istom mestu).",
            "Грешка: тачке фигуре '{}' нису исправне (број координата или две тачке на истом месту).",
            "Error: the figure's points '{}' are wrong (the count of coordinates, or two points at one place).");
inline constexpr Sentence Sentence::LinkView = written(
    "Greska: pogled '{}' nije ispravan.", "Грешка: поглед '{}' није исправан.", "Error: the view '{}' is wrong.");
inline constexpr Sentence Sentence::LinkSteps =
    written("Greska: korak konstrukcije '{}' nije ispravan.", "Грешка: корак конструкције '{}' није исправан.",
            "Error: the step of the construction '{}' is wrong.");
inline constexpr Sentence Sentence::LinkOpensStart =
    written("Otvara se pocetna figura.", "Отвара се почетна фигура.", "The starting figure opens.");

inline constexpr Sentence Sentence::ExercisesTitle = written(
    "Geometrija - zadaci iz inverzije", "Геометрија - задаци из инверзије", "Geometry - exercises in inversion");
inline constexpr Sentence Sentence::ExercisesHelp = written(
    "Tasteri: Enter proverava odgovor, razmak (Space) posle ocene vodi na sledeci zadatak,\n"
    "1-4 biraju odgovor u zadatku 7, r pocinje skup ispocetka, j menja jezik, h pomoc,\n"
    "q ili Esc kraj (na veb stranici ne rade nista).\n"
    "Levim tasterom misa pomerajte zelenu tacku odgovora; n bira sledecu, strelice je pomeraju za 0.1, sa Shift\n"
    "za 1; klik na tacku je bira, sledeci klik van tacaka je pomera tamo.\n"
    "Tocak misa uvecava i umanjuje oko pokazivaca, + i - oko sredine; prevlacenje van tacaka pomera pogled;\n"
    "f prikazuje sve, 0 vraca pocetni pogled, t skriva i prikazuje traku na dnu prozora.\n",
    "Тастери: Enter проверава одговор, размак (Space) после оцене води на следећи задатак,\n"
    "1-4 бирају одговор у задатку 7, r почиње скуп испочетка, j мења језик, h помоћ,\n"
    "q или Esc крај (на веб страници не раде ништа).\n"
    "Левим тастером миша померајте зелену тачку одговора; n бира следећу, стрелице је померају за 0.1, са Shift\n"
    "за 1; клик на тачку је бира, следећи клик ван тачака је помера тамо.\n"
    "Точак миша увећава и умањује око показивача, + и - око средине; превлачење ван тачака помера поглед;\n"
    "f приказује све, 0 враћа почетни поглед, t скрива и приказује траку на дну прозора.\n",
    "Keys: Enter checks the answer, Space goes on to the next exercise after a verdict,\n"
    "1-4 choose the answer in exercise 7, r starts the set again, j changes the language, h help,\n"
    "q or Esc quits (on the web page they do nothing).\n"
    "Move the green point of the answer with the left mouse button; n chooses the next one, the arrows move it by\n"
    "0.1, with Shift by 1; a click on a point chooses it, the next click away from the points moves it there.\n"
    "The mouse wheel zooms about the pointer, + and - about the middle; a drag away from the points moves the view;\n"
    "f shows everything, 0 the starting view, t hides and shows the band at the bottom of the window.\n");
inline constexpr Sentence Sentence::ExercisesBandKeys = written(
    "Enter proveri  razmak dalje  n, strelice  1-4 izbor  r ispocetka  tocak, + i - uvecanje  f sve  0 pogled  "
    "t traka  h pomoc",
    "Enter провери  размак даље  n, стрелице  1-4 избор  r испочетка  точак, + и - увећање  f све  0 поглед  "
    "t трака  h помоћ",
    "Enter check  Space next  n, arrows  1-4 choice  r again  wheel, + and - zoom  f all  0 view  t band  h help");
inline constexpr Sentence Sentence::PromptPointImage =
    written("Zadatak {} od {}: Postavi sliku P' tacke {}.", "Задатак {} од {}: Постави слику P' тачке {}.",
            "Exercise {} of {}: Place the image P' of the point {}.");
inline constexpr Sentence Sentence::PromptPointOfImage = written(
    "Zadatak {} od {}: Postavi tacku P cija je slika {}.", "Задатак {} од {}: Постави тачку P чија је слика {}.",
    "Exercise {} of {}: Place the point P whose image is {}.");
inline constexpr Sentence Sentence::PromptLineFoot = written(
    "Zadatak {} od {}: Prava p prolazi kroz {} i {}. Postavi tacku F' tako da krug nad precnikom OF' bude slika "
    "prave p.",
    "Задатак {} од {}: Права p пролази кроз {} и {}. Постави тачку F' тако да круг над пречником OF' буде слика "
    "праве p.",
    "Exercise {} of {}: The line p passes through {} and {}. Place the point F' so that the circle on the diameter "
    "OF' is the image of the line p.");
inline constexpr Sentence Sentence::PromptCircleFoot = written(
    "Zadatak {} od {}: Krug c sa centrom {} prolazi kroz O. Postavi tacku F tako da prava kroz F normalna na OF "
    "bude slika kruga c.",
    "Задатак {} од {}: Круг c са центром {} пролази кроз O. Постави тачку F тако да права кроз F нормална на OF "
    "буде слика круга c.",
    "Exercise {} of {}: The circle c with centre {} passes through O. Place the point F so that the line through F "
    "perpendicular to OF is the image of the circle c.");
inline constexpr Sentence Sentence::PromptCircleImage = written(
    "Zadatak {} od {}: Krug c ima centar {} i poluprecnik {}. Postavi centar C' i tacku R' kruga koji je slika "
    "kruga c.",
    "Задатак {} од {}: Круг c има центар {} и полупречник {}. Постави центар C' и тачку R' круга који је слика "
    "круга c.",
    "Exercise {} of {}: The circle c has centre {} and radius {}. Place the centre C' and a point R' of the circle "
    "that is the image of the circle c.");
inline constexpr Sentence Sentence::PromptImageShape = written(
    "Zadatak {} od {}: Sta je slika {}? 1 prava kroz O, 2 krug kroz O, 3 krug koji ne prolazi kroz O, 4 prava "
    "koja ne prolazi kroz O.",
    "Задатак {} од {}: Шта је слика {}? 1 права кроз O, 2 круг кроз O, 3 круг који не пролази кроз O, 4 права "
    "која не пролази кроз O.",
    "Exercise {} of {}: What is the image of {}? 1 a line through O, 2 a circle through O, 3 a circle that does "
    "not pass through O, 4 a line that does not pass through O.");
inline constexpr Sentence Sentence::PromptOwnImage =
    written("Zadatak {} od {}: Postavi tacku R tako da krug sa centrom {} kroz R bude sam sebi slika.",
            "Задатак {} од {}: Постави тачку R тако да круг са центром {} кроз R буде сам себи слика.",
            "Exercise {} of {}: Place the point R so that the circle with centre {} through R is its own image.");
inline constexpr Sentence Sentence::ObjectLine =
    written("prave kroz {} i {}", "праве кроз {} и {}", "the line through {} and {}");
inline constexpr Sentence Sentence::ObjectCircleThroughCentre =
    written("kruga sa centrom {} kroz O", "круга са центром {} кроз O", "the circle with centre {} through O");
inline constexpr Sentence Sentence::ObjectCircle =
    written("kruga sa centrom {} i poluprecnikom {}", "круга са центром {} и полупречником {}",
            "the circle with centre {} and radius {}");
inline constexpr Sentence Sentence::ChoiceLineThroughCentre =
    written("1 prava kroz O", "1 права кроз O", "1 a line through O");
inline constexpr Sentence Sentence::ChoiceCircleThroughCentre =
    written("2 krug kroz O", "2 круг кроз O", "2 a circle through O");
inline constexpr Sentence Sentence::ChoiceCircleMissingCentre = written(
    "3 krug koji ne prolazi kroz O", "3 круг који не пролази кроз O", "3 a circle that does not pass through O");
inline constexpr Sentence Sentence::ChoiceLineMissingCentre = written(
    "4 prava koja ne prolazi kroz O", "4 права која не пролази кроз O", "4 a line that does not pass through O");
inline constexpr Sentence Sentence::Right = written("Tacno.", "Тачно.", "Right.");
inline constexpr Sentence Sentence::Wrong = written("Netacno: {}", "Нетачно: {}", "Wrong: {}");
inline constexpr Sentence Sentence::WrongWithAnswer =
    written("Netacno: {} Tacan odgovor: {}", "Нетачно: {} Тачан одговор: {}", "Wrong: {} The right answer: {}");
inline constexpr Sentence Sentence::RayOP = written("polupravoj OP", "полуправој OP", "the ray OP");
inline constexpr Sentence Sentence::RayOPImage = written("polupravoj OP'", "полуправој OP'", "the ray OP'");
inline constexpr Sentence Sentence::RayOC = written("polupravoj OC", "полуправој OC", "the ray OC");
inline constexpr Sentence Sentence::RayToLine =
    written("polupravoj iz tacke O normalnoj na pravu p", "полуправој из тачке O нормалној на праву p",
            "the ray from O perpendicular to the line p");
inline constexpr Sentence Sentence::HintOppositeRay = written(
    "{} je sa suprotne strane tacke O, a treba da bude na {}.",
    "{} је са супротне стране тачке O, а треба да буде на {}.", "{} is on the other side of O; it belongs on {}.");
inline constexpr Sentence Sentence::HintOffRay =
    written("{} nije na {}: ugao kod tacke O je {} stepeni.", "{} није на {}: угао код тачке O је {} степени.",
            "{} is not on {}: the angle at O is {} degrees.");
inline constexpr Sentence Sentence::HintInsideK =
    written("{} je unutar kruga k (|O{}| = {}), a treba da bude van njega.",
            "{} је унутар круга k (|O{}| = {}), а треба да буде ван њега.",
            "{} is inside k (|O{}| = {}); it belongs outside it.");
inline constexpr Sentence Sentence::HintOutsideK =
    written("{} je van kruga k (|O{}| = {}), a treba da bude unutar njega.",
            "{} је ван круга k (|O{}| = {}), а треба да буде унутар њега.",
            "{} is outside k (|O{}| = {}); it belongs inside it.");
inline constexpr Sentence Sentence::HintProduct = written(
    "|O{}| * |O{}| = {}, a treba {}.", "|O{}| * |O{}| = {}, а треба {}.", "|O{}| * |O{}| = {}, where it should be {}.");
inline constexpr Sentence Sentence::HintFootOfPerpendicular =
    written("F je podnozje normale iz tacke O na pravu p.", "F је подножје нормале из тачке O на праву p.",
            "F is the foot of the perpendicular from O to the line p.");
inline constexpr Sentence Sentence::HintOppositePoint =
    written("D je tacka kruga c dijametralno suprotna tacki O.", "D је тачка круга c дијаметрално супротна тачки O.",
            "D is the point of the circle c diametrically opposite O.");
inline constexpr Sentence Sentence::HintCentreIsImageOfCentre =
    written("C' je slika centra C, a centar slike kruga nije slika njegovog centra.",
            "C' је слика центра C, а центар слике круга није слика његовог центра.",
            "C' is the image of the centre C, and the centre of a circle's image is not the image of its centre.");
inline constexpr Sentence Sentence::HintCentreWrong = written(
    "C' je na polupravoj OC, ali nije centar slike: precnik slike je D'E', gde su D i E tacke kruga c na pravoj OC.",
    "C' је на полуправој OC, али није центар слике: пречник слике је D'E', где су D и E тачке круга c на правој OC.",
    "C' is on the ray OC but is not the centre of the image: the image's diameter is D'E', where D and E are the "
    "points of the circle c on the line OC.");
inline constexpr Sentence Sentence::HintRadiusSmall =
    written("Poluprecnik |C'R'| = {} je premali.", "Полупречник |C'R'| = {} је премали.",
            "The radius |C'R'| = {} is too small.");
inline constexpr Sentence Sentence::HintRadiusLarge =
    written("Poluprecnik |C'R'| = {} je preveliki.", "Полупречник |C'R'| = {} је превелики.",
            "The radius |C'R'| = {} is too large.");
inline constexpr Sentence Sentence::HintOwnSmall =
    written("Poluprecnik |CR| = {} je premali: |OC|^2 - |CR|^2 = {}, a treba {}.",
            "Полупречник |CR| = {} је премали: |OC|^2 - |CR|^2 = {}, а треба {}.",
            "The radius |CR| = {} is too small: |OC|^2 - |CR|^2 = {}, where it should be {}.");
inline constexpr Sentence Sentence::HintOwnLarge =
    written("Poluprecnik |CR| = {} je preveliki: |OC|^2 - |CR|^2 = {}, a treba {}.",
            "Полупречник |CR| = {} је превелики: |OC|^2 - |CR|^2 = {}, а треба {}.",
            "The radius |CR| = {} is too large: |OC|^2 - |CR|^2 = {}, where it should be {}.");
inline constexpr Sentence Sentence::HintLineOrCircle =
    written("Slika je prava tacno onda kada dati objekat prolazi kroz O.",
            "Слика је права тачно онда када дати објекат пролази кроз O.",
            "The image is a line exactly when the given object passes through O.");
inline constexpr Sentence Sentence::HintThroughCentre =
    written("Slika prolazi kroz O tacno onda kada je dati objekat prava.",
            "Слика пролази кроз O тачно онда када је дати објекат права.",
            "The image passes through O exactly when the given object is a line.");
inline constexpr Sentence Sentence::HintNoChoice = written(
    "Odgovor nije izabran (tasteri 1-4).", "Одговор није изабран (тастери 1-4).", "No answer is chosen (keys 1-4).");
inline constexpr Sentence Sentence::AnswerCircle = written("{}, poluprecnik {}", "{}, полупречник {}", "{}, radius {}");
inline constexpr Sentence Sentence::AnswerOwnImage =
    written("|CR| = {}, na primer {}", "|CR| = {}, на пример {}", "|CR| = {}, for example {}");
inline constexpr Sentence Sentence::ChoiceMade = written("Izabrano: {}", "Изабрано: {}", "Chosen: {}");
inline constexpr Sentence Sentence::PointsSoFar = written("Poeni: {}", "Поени: {}", "Points: {}");
inline constexpr Sentence Sentence::NextExercise =
    written("Razmak (Space): sledeci zadatak.", "Размак (Space): следећи задатак.", "Space: the next exercise.");
inline constexpr Sentence Sentence::TryAgain =
    written("Popravi odgovor i proveri ponovo (Enter).", "Поправи одговор и провери поново (Enter).",
            "Correct the answer and check it again (Enter).");
inline constexpr Sentence Sentence::StartAgain =
    written("r: skup ispocetka.", "r: скуп испочетка.", "r: the set again.");
inline constexpr Sentence Sentence::Score =
    written("Rezultat: {} od {} poena ({} %).", "Резултат: {} од {} поена ({} %).", "Score: {} of {} points ({} %).");
inline constexpr Sentence Sentence::PointsOne =
    written("Zadatak {}: {} poen", "Задатак {}: {} поен", "Exercise {}: {} point");
inline constexpr Sentence Sentence::PointsMany =
    written("Zadatak {}: {} poena", "Задатак {}: {} поена", "Exercise {}: {} points");
inline constexpr Sentence Sentence::SetNamed =
    written("Skup zadataka: {}.", "Скуп задатака: {}.", "Set of exercises: {}.");
inline constexpr Sentence Sentence::SetError =
    written("Greska: '{}' nije broj skupa od {} do {}; otvara se skup {}.",
            "Грешка: '{}' није број скупа од {} до {}; отвара се скуп {}.",
            "Error: '{}' is not the number of a set from {} to {}; set {} opens.");

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
