// sentences.cpp
// The table. Point names (P, O, k, T1, X'), key names and the names of formats keep their Latin letters in every
// script, as Serbian geometry books and keyboards write them.
#include "sentences.h"

#include "case_texts.h"

#include <cstring>

namespace {

using S = Sentence;

constexpr SentenceRow rows[] = {
    {S::None, "", "", ""},
    {S::PointInside, pointInsideText, "Тачка P је унутар круга k, па је њена слика P' ван круга k, на полуправој OP.",
     "The point P lies inside k, so its image P' lies outside k, on the ray OP."},
    {S::PointOutside, pointOutsideText, "Тачка P је ван круга k, па је њена слика P' унутар круга k, на полуправој OP.",
     "The point P lies outside k, so its image P' lies inside k, on the ray OP."},
    {S::PointOnCircle, pointOnCircleText, "Инверзија тачке која се налази на кружници је иста та тачка.",
     "A point on the circle k is its own image."},
    {S::PointAtCentre, pointAtCentreText,
     "Тачка P је у центру круга k, а центар нема слику: што је P ближа тачки O, то је њена слика P' даље, па "
     "одлази у бесконачност.",
     "The point P is at the centre O of k, and O has no image: the closer P comes to O, the farther its image P' "
     "lies, off to infinity."},
    {S::LineMissesCentre, lineMissesCentreText,
     "Уколико права чију инверзију тражимо НЕ пролази кроз центар круга, њена инверзија је круг чија кружница "
     "пролази кроз центар круга у односу на који инвертујемо, без самог центра.",
     "A line that does not pass through the centre O of k is mapped onto a circle through O, O itself excepted."},
    {S::LineThroughCentre, lineThroughCentreText,
     "Уколико права чију инверзију тражимо пролази кроз центар круга, њена инверзија је такође та иста права без "
     "центра круга у односу на који инвертујемо.",
     "A line through the centre O of k is its own image, O itself excepted."},
    {S::CircleThroughCentre, circleThroughCentreText,
     "Ако се центар круга инверзије налази на кружници круга који инвертујемо, онда је слика тог круга права "
     "линија одређена двема инвертованим тачкама са кружнице чију инверзију тражимо.\n",
     "A circle through the centre O of k is mapped onto a straight line, fixed by the images of two points of the "
     "circle.\n"},
    {S::CircleMissesCentre, circleMissesCentreText,
     "Уколико се центар круга инверзије не налази на кружници круга који инвертујемо, онда је слика тог круга "
     "такође круг.",
     "A circle that does not pass through the centre O of k is mapped onto a circle."},
    {S::CircleIsK, circleIsKText, "Круг k се слика сам у себе: свака његова тачка је сама себи слика.",
     "The circle k is mapped onto itself: each of its points is its own image."},
    {S::CircleAboutCentre, circleAboutCentreText,
     "Круг са центром у центру круга k слика се у круг са истим центром; производ њихових полупречника је 25.",
     "A circle about the centre O of k is mapped onto a circle about O; the product of their radii is 25."},
    {S::CircleAtRightAngles, circleAtRightAnglesText,
     "Круг који сече круг k под правим углом слика се сам у себе: његов лук ван круга k прелази у лук унутар "
     "круга k, и обрнуто.",
     "A circle that crosses k at right angles is mapped onto itself: its arc outside k goes to its arc inside k, "
     "and back."},
    {S::AnglesKept, anglesKeptText,
     "Инверзија чува углове: две праве које се секу у тачки X сликају се у два круга (или праву кроз O) који се "
     "секу у тачки X' и у центру O, под истим углом под којим се секу праве.",
     "Inversion keeps angles: two lines that meet at X are mapped onto two circles (or a line through O) that meet "
     "at X' and at O, at the same angle as the lines."},
    {S::AngleAtCentre, anglesAtCentreText,
     "Тачка X је у центру круга k: обе праве пролазе кроз O, па је свака сама себи слика, а угао између њих "
     "остаје исти.",
     "The point X is at the centre O of k: both lines pass through O, so each is its own image, and the angle "
     "between them stays the same."},

    {S::PointStep1, "Korak 1: poluprava OP.", "Корак 1: полуправа OP.", "Step 1: the ray OP."},
    {S::PointInsideStep2, "Korak 2: normala na OP u tacki P sece kruznicu k u tackama T1 i T2.",
     "Корак 2: нормала на OP у тачки P сече кружницу k у тачкама T1 и T2.",
     "Step 2: the perpendicular to OP at P meets k at T1 and T2."},
    {S::PointInsideStep3, "Korak 3: tangente kruznice k u tackama T1 i T2 seku se u tacki P'.",
     "Корак 3: тангенте кружнице k у тачкама T1 и T2 секу се у тачки P'.",
     "Step 3: the tangents to k at T1 and T2 meet at P'."},
    {S::PointOutsideStep2,
     "Korak 2: kruznica nad precnikom OP sece kruznicu k u tackama T1 i T2, pa su PT1 i PT2 tangente iz tacke P.",
     "Корак 2: кружница над пречником OP сече кружницу k у тачкама T1 и T2, па су PT1 и PT2 тангенте из тачке P.",
     "Step 2: the circle on the diameter OP meets k at T1 and T2, so PT1 and PT2 are the tangents from P."},
    {S::PointOutsideStep3, "Korak 3: tetiva T1T2 sece polupravu OP u tacki P'.",
     "Корак 3: тетива T1T2 сече полуправу OP у тачки P'.", "Step 3: the chord T1T2 meets the ray OP at P'."},
    {S::PointStep4, "Korak 4: P' je slika tacke P, jer je |OP| * |OP'| = r^2 = 25.",
     "Корак 4: P' је слика тачке P, јер је |OP| * |OP'| = r^2 = 25.",
     "Step 4: P' is the image of P, since |OP| * |OP'| = r^2 = 25."},
    {S::LineStep1, "Korak 1: normala iz tacke O na pravu AB sece je u tacki F.",
     "Корак 1: нормала из тачке O на праву AB сече је у тачки F.",
     "Step 1: the perpendicular from O to the line AB meets it at F."},
    {S::LineStep2, "Korak 2: F' je slika tacke F.", "Корак 2: F' је слика тачке F.", "Step 2: F' is the image of F."},
    {S::LineStep3, "Korak 3: slika prave AB je kruznica nad precnikom OF'.",
     "Корак 3: слика праве AB је кружница над пречником OF'.",
     "Step 3: the image of the line AB is the circle on the diameter OF'."},
    {S::LineThroughStep, "Prava AB prolazi kroz O, pa je sama sebi slika.",
     "Права AB пролази кроз O, па је сама себи слика.", "The line AB passes through O, so it is its own image."},
    {S::CircleStep1, "Korak 1: prava OC sece kruznicu u tackama D i E.",
     "Корак 1: права OC сече кружницу у тачкама D и E.", "Step 1: the line OC meets the circle at D and E."},
    {S::CircleStep2, "Korak 2: D' i E' su slike tacaka D i E.", "Корак 2: D' и E' су слике тачака D и E.",
     "Step 2: D' and E' are the images of D and E."},
    {S::CircleStep3, "Korak 3: slika kruga je kruznica nad precnikom D'E'.",
     "Корак 3: слика круга је кружница над пречником D'E'.",
     "Step 3: the image of the circle is the circle on the diameter D'E'."},
    {S::CircleThroughStep1, "Korak 1: prava OC sece kruznicu jos u tacki D.",
     "Корак 1: права OC сече кружницу још у тачки D.", "Step 1: the line OC meets the circle again at D."},
    {S::CircleThroughStep2, "Korak 2: D' je slika tacke D.", "Корак 2: D' је слика тачке D.",
     "Step 2: D' is the image of D."},
    {S::CircleThroughStep3, "Korak 3: slika kruga je prava kroz D' normalna na OC.",
     "Корак 3: слика круга је права кроз D' нормална на OC.",
     "Step 3: the image of the circle is the line through D' perpendicular to OC."},

    {S::AidRayOP, "poluprava OP", "полуправа OP", "the ray OP"},
    {S::AidPerpendicularAtP, "normala na OP u tacki P", "нормала на OP у тачки P", "the perpendicular to OP at P"},
    {S::AidTangentAtT1, "tangenta kruznice k u tacki T1", "тангента кружнице k у тачки T1", "the tangent to k at T1"},
    {S::AidTangentAtT2, "tangenta kruznice k u tacki T2", "тангента кружнице k у тачки T2", "the tangent to k at T2"},
    {S::AidCircleOnOP, "kruznica nad precnikom OP", "кружница над пречником OP", "the circle on the diameter OP"},
    {S::AidTangentPT1, "tangenta PT1", "тангента PT1", "the tangent PT1"},
    {S::AidTangentPT2, "tangenta PT2", "тангента PT2", "the tangent PT2"},
    {S::AidChordT1T2, "tetiva T1T2", "тетива T1T2", "the chord T1T2"},
    {S::AidRadiusOT1, "poluprecnik OT1", "полупречник OT1", "the radius OT1"},
    {S::AidRightAngleAtT1, "prav ugao u tacki T1", "прав угао у тачки T1", "the right angle at T1"},
    {S::AidPerpendicularFromO, "normala iz tacke O na pravu AB", "нормала из тачке O на праву AB",
     "the perpendicular from O to the line AB"},
    {S::AidSegmentOF, "duz OF'", "дуж OF'", "the segment OF'"},
    {S::AidCircleOnOF, "kruznica nad precnikom OF'", "кружница над пречником OF'", "the circle on the diameter OF'"},
    {S::AidLineOC, "prava OC", "права OC", "the line OC"},
    {S::AidPerpendicularAtD, "normala na OC u tacki D'", "нормала на OC у тачки D'", "the perpendicular to OC at D'"},
    {S::AidDiameterDE, "precnik D'E'", "пречник D'E'", "the diameter D'E'"},
    {S::AidCircleOnDE, "kruznica nad precnikom D'E'", "кружница над пречником D'E'", "the circle on the diameter D'E'"},
    {S::Ring, "kruznica oko izabrane tacke", "кружница око изабране тачке", "the ring around the chosen point"},

    {S::ExplorerTitle, "Geometrija - istrazivanje inverzije", "Геометрија - истраживање инверзије",
     "Geometry - exploring inversion"},
    {S::ExplorerHelp,
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
     "explanation at the bottom of the window.\n"},
    {S::BandKeys,
     "1-4 figura  k korak  n, strelice  r pocetak  tocak, + i - uvecanje  f sve  0 pogled  t traka  s cuva  h pomoc",
     "1-4 фигура  k корак  n, стрелице  r почетак  точак, + и - увећање  f све  0 поглед  t трака  s чува  h помоћ",
     "1-4 figure  k step  n, arrows  r start  wheel, + and - zoom  f all  0 view  t band  s save  h help"},
    {S::ConstructionCleared, "Konstrukcija je obrisana.", "Конструкција је обрисана.", "The construction is cleared."},
    {S::HandleChosen, "Izabrana je tacka {}", "Изабрана је тачка {}", "Chosen: the point {}"},
    {S::AngleAtX, "Ugao u X: {} stepeni", "Угао у X: {} степени", "Angle at X: {} degrees"},
    {S::AngleAtXImage, ", ugao u X': {} stepeni", ", угао у X': {} степени", ", angle at X': {} degrees"},
    {S::BandLine, "Prava {}, slika: {}", "Права {}, слика: {}", "Line {}, image: {}"},
    {S::BandCircle, "Dati {}, slika: {}", "Дати {}, слика: {}", "Given {}, image: {}"},
    {S::ImageLine, "prava {}", "права {}", "the line {}"},
    {S::ImageNone, "nema je", "нема је", "none"},
    {S::CircleWords, "krug sa centrom {} i poluprecnikom {}", "круг са центром {} и полупречником {}",
     "the circle with centre {} and radius {}"},
    {S::Saved, "Sacuvano: {}.svg, {}.tex", "Сачувано: {}.svg, {}.tex", "Saved: {}.svg, {}.tex"},
    {S::SaveError, "Greska: {}: {}", "Грешка: {}: {}", "Error: {}: {}"},
};

// Every sentence has its row, in the order of the enumeration, and every row its three texts: a sentence missing
// in a language stops the build.
constexpr bool complete() {
    if (sizeof rows / sizeof rows[0] != std::size_t(Sentence::Count)) {
        return false;
    }
    for (std::size_t i = 1; i < std::size_t(Sentence::Count); ++i) {
        if (rows[i].sentence != Sentence(i) || !rows[i].plain[0] || !rows[i].cyrillic[0] || !rows[i].english[0]) {
            return false;
        }
    }
    return true;
}
static_assert(complete(), "one row for each sentence, in order, with its plain, Cyrillic and English texts");

} // namespace

const SentenceRow& sentenceRow(Sentence sentence) {
    return rows[std::size_t(sentence)];
}

std::string say(Sentence sentence, Language language, std::initializer_list<std::string> values) {
    const SentenceRow& row = sentenceRow(sentence);
    const std::string text = language == Language::Plain     ? row.plain
                             : language == Language::English ? row.english
                             : language == Language::Latin   ? latinFromCyrillic(row.cyrillic)
                                                             : row.cyrillic;
    std::string out;
    auto value = values.begin();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "{}") == 0 && value != values.end()) {
            out += *value++;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

Language nextLanguage(Language language) {
    switch (language) {
    case Language::Cyrillic:
        return Language::Latin;
    case Language::Latin:
        return Language::English;
    case Language::English:
        return Language::Plain;
    case Language::Plain:
        break;
    }
    return Language::Cyrillic;
}
