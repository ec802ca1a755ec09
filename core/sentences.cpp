// sentences.cpp
// Saying a sentence in a language; the list of every sentence; the texts of the web pages.
#include "sentences.h"

#include <cstring>

const Sentence* const allSentences[] = {
    &Sentence::PointInside,
    &Sentence::PointOutside,
    &Sentence::PointOnCircle,
    &Sentence::PointAtCentre,
    &Sentence::LineMissesCentre,
    &Sentence::LineThroughCentre,
    &Sentence::CircleThroughCentre,
    &Sentence::CircleMissesCentre,
    &Sentence::CircleIsK,
    &Sentence::CircleAboutCentre,
    &Sentence::CircleAtRightAngles,
    &Sentence::AnglesKept,
    &Sentence::AngleAtCentre,
    &Sentence::PointStep1,
    &Sentence::PointInsideStep2,
    &Sentence::PointInsideStep3,
    &Sentence::PointOutsideStep2,
    &Sentence::PointOutsideStep3,
    &Sentence::PointStep4,
    &Sentence::LineStep1,
    &Sentence::LineStep2,
    &Sentence::LineStep3,
    &Sentence::LineThroughStep,
    &Sentence::CircleStep1,
    &Sentence::CircleStep2,
    &Sentence::CircleStep3,
    &Sentence::CircleThroughStep1,
    &Sentence::CircleThroughStep2,
    &Sentence::CircleThroughStep3,
    &Sentence::AidRayOP,
    &Sentence::AidPerpendicularAtP,
    &Sentence::AidTangentAtT1,
    &Sentence::AidTangentAtT2,
    &Sentence::AidCircleOnOP,
    &Sentence::AidTangentPT1,
    &Sentence::AidTangentPT2,
    &Sentence::AidChordT1T2,
    &Sentence::AidRadiusOT1,
    &Sentence::AidRightAngleAtT1,
    &Sentence::AidPerpendicularFromO,
    &Sentence::AidSegmentOF,
    &Sentence::AidCircleOnOF,
    &Sentence::AidLineOC,
    &Sentence::AidPerpendicularAtD,
    &Sentence::AidDiameterDE,
    &Sentence::AidCircleOnDE,
    &Sentence::Ring,
    &Sentence::ExplorerTitle,
    &Sentence::ExplorerHelp,
    &Sentence::BandKeys,
    &Sentence::ConstructionCleared,
    &Sentence::HandleChosen,
    &Sentence::AngleAtX,
    &Sentence::AngleAtXImage,
    &Sentence::BandLine,
    &Sentence::BandCircle,
    &Sentence::ImageLine,
    &Sentence::ImageNone,
    &Sentence::CircleWords,
    &Sentence::Saved,
    &Sentence::SaveError,
    &Sentence::DescribeUndefined,
    &Sentence::DescribeInfinity,
    &Sentence::DescribeThroughPoint,
    &Sentence::DescribeK,
    &Sentence::DescribeCentre,
    &Sentence::DescribeLine,
    &Sentence::DescribeAngleX,
    &Sentence::DescribeAngleA,
    &Sentence::DescribeAngleB,
    &Sentence::DescribeLinePoint,
    &Sentence::DescribeCircleCentre,
    &Sentence::DescribeCirclePoint,
    &Sentence::DescribePoint,
    &Sentence::DescribeImageOfCircle,
    &Sentence::DescribeImageOfLine,
    &Sentence::DescribeImageOfP,
    &Sentence::DescribeImageOfX,
    &Sentence::DescribeImageOfLinePoint,
    &Sentence::DescribeImageOfCirclePoint,
    &Sentence::DescribeNamedPoint,
    &Sentence::DescribeNoImage,
    &Sentence::DescribeSegment,
    &Sentence::DescribeArcAtX,
    &Sentence::DescribeArcAtXImage,
    &Sentence::DescribeTangents,
    &Sentence::ColourRed,
    &Sentence::ColourGreen,
    &Sentence::ColourBlue,
    &Sentence::ColourYellow,
    &Sentence::ColourOrange,
    &Sentence::ColourMagenta,
    &Sentence::ColourCyan,
    &Sentence::ColourPurple,
    &Sentence::ColourWhite,
    &Sentence::ColourBlack,
    &Sentence::ColourConstruction,
    &Sentence::ColourNone,
    &Sentence::LinkageLine,
    &Sentence::LinkageCircle,
    &Sentence::LinkageStopped,
    &Sentence::PappusChainCase,
    &Sentence::SteinerChain,
    &Sentence::SteinerConcentric,
    &Sentence::PtolemyEquality,
    &Sentence::PtolemyOtherOrder,
    &Sentence::PtolemyInequality,
    &Sentence::LinkageStep1,
    &Sentence::LinkageStep2,
    &Sentence::LinkageLineStep3,
    &Sentence::LinkageCircleStep3,
    &Sentence::PappusStep1,
    &Sentence::PappusStep2,
    &Sentence::PappusStep3,
    &Sentence::PappusStep4,
    &Sentence::SteinerStep1,
    &Sentence::SteinerStep2,
    &Sentence::SteinerStep3,
    &Sentence::PtolemyStep1,
    &Sentence::PtolemyStep2,
    &Sentence::PtolemyStep3,
    &Sentence::PtolemyEqualityStep4,
    &Sentence::PtolemyInequalityStep4,
    &Sentence::AidBisectorAC,
    &Sentence::AidChordAC,
    &Sentence::AidTraceOfD,
    &Sentence::AidCircleOfInversion,
    &Sentence::AidHeightOfCircleN,
    &Sentence::AidRaysOfChain,
    &Sentence::AidRaysToImages,
    &Sentence::AidDiagonals,
    &Sentence::ApplicationsTitle,
    &Sentence::ApplicationsHelp,
    &Sentence::ApplicationsBandKeys,
    &Sentence::ReasoningCleared,
    &Sentence::LinkTooFewParts,
    &Sentence::LinkTooManyParts,
    &Sentence::LinkKind,
    &Sentence::LinkNumber,
    &Sentence::LinkPoints,
    &Sentence::LinkView,
    &Sentence::LinkSteps,
    &Sentence::LinkOpensStart,
    &Sentence::ExercisesTitle,
    &Sentence::ExercisesHelp,
    &Sentence::ExercisesBandKeys,
    &Sentence::PromptPointImage,
    &Sentence::PromptPointOfImage,
    &Sentence::PromptLineFoot,
    &Sentence::PromptCircleFoot,
    &Sentence::PromptCircleImage,
    &Sentence::PromptImageShape,
    &Sentence::PromptOwnImage,
    &Sentence::ObjectLine,
    &Sentence::ObjectCircleThroughCentre,
    &Sentence::ObjectCircle,
    &Sentence::ChoiceLineThroughCentre,
    &Sentence::ChoiceCircleThroughCentre,
    &Sentence::ChoiceCircleMissingCentre,
    &Sentence::ChoiceLineMissingCentre,
    &Sentence::Right,
    &Sentence::Wrong,
    &Sentence::WrongWithAnswer,
    &Sentence::RayOP,
    &Sentence::RayOPImage,
    &Sentence::RayOC,
    &Sentence::RayToLine,
    &Sentence::HintOppositeRay,
    &Sentence::HintOffRay,
    &Sentence::HintInsideK,
    &Sentence::HintOutsideK,
    &Sentence::HintProduct,
    &Sentence::HintFootOfPerpendicular,
    &Sentence::HintOppositePoint,
    &Sentence::HintCentreIsImageOfCentre,
    &Sentence::HintCentreWrong,
    &Sentence::HintRadiusSmall,
    &Sentence::HintRadiusLarge,
    &Sentence::HintOwnSmall,
    &Sentence::HintOwnLarge,
    &Sentence::HintLineOrCircle,
    &Sentence::HintThroughCentre,
    &Sentence::HintNoChoice,
    &Sentence::AnswerCircle,
    &Sentence::AnswerOwnImage,
    &Sentence::ChoiceMade,
    &Sentence::PointsSoFar,
    &Sentence::NextExercise,
    &Sentence::TryAgain,
    &Sentence::StartAgain,
    &Sentence::Score,
    &Sentence::PointsOne,
    &Sentence::PointsMany,
    &Sentence::SetNamed,
    &Sentence::SetError,
};
const std::size_t sentenceCount = sizeof allSentences / sizeof allSentences[0];

const PageTextRow pageTextRows[] = {
    {"suite", "Inverzija u odnosu na krug k", "Инверзија у односу на круг k", "Inversion in the circle k"},
    {"index-title", "Inverzija u odnosu na krug k: primeri i istrazivanje",
     "Инверзија у односу на круг k: примери и истраживање", "Inversion in the circle k: the demos and the explorer"},
    {"index-inversion",
     "Inverzija u odnosu na krug sa centrom O i poluprecnikom r slika svaku tacku P razlicitu od O u tacku P′ na "
     "polupravoj iz O kroz P za koju je |OP| · |OP′| = r².",
     "Инверзија у односу на круг са центром O и полупречником r слика сваку тачку P различиту од O у тачку P′ на "
     "полуправој из O кроз P за коју је |OP| · |OP′| = r².",
     "Inversion in a circle with centre O and radius r takes every point P other than O to the point P′ on the ray "
     "from O through P for which |OP| · |OP′| = r²."},
    {"index-k",
     "Ovde k ima centar O = (0, 0) i poluprecnik 5. Svaki primer ispisuje svoje objasnjenje i crta k i O crnom, dati "
     "objekat plavom, a njegovu sliku crvenom bojom; u istrazivanju se objekat prevlaci i gleda se njegova slika.",
     "Овде k има центар O = (0, 0) и полупречник 5. Сваки пример исписује своје објашњење и црта k и O црном, дати "
     "објекат плавом, а његову слику црвеном бојом; у истраживању се објекат превлачи и гледа се његова слика.",
     "Here k has centre O = (0, 0) and radius 5. Each demo prints its explanation and draws k and O in black, the "
     "given object in blue and its image in red; the explorer lets you drag the object and watch its image."},
    {"pages", "Stranice", "Странице", "Pages"},
    {"language", "Jezik", "Језик", "Language"},
    {"previous", "Prethodna", "Претходна", "Previous"},
    {"next", "Sledeca", "Следећа", "Next"},
    {"title-demo", "Geometrija - prikaz zadatka", "Геометрија - приказ задатка", "Geometry - the figure of a task"},
    {"title-explorer", "Geometrija - istrazivanje inverzije", "Геометрија - истраживање инверзије",
     "Geometry - exploring inversion"},
    {"title-applications", "Geometrija - primene inverzije", "Геометрија - примене инверзије",
     "Geometry - applications of inversion"},
    {"title-exercises", "Geometrija - zadaci iz inverzije", "Геометрија - задаци из инверзије",
     "Geometry - exercises in inversion"},
    {"figure", "Crtez", "Цртеж", "Figure"},
    {"explorer-panel", "Slucaj i korak", "Случај и корак", "Case and step"},
    {"explorer-keys", "Tasteri", "Тастери", "Keys"},
    {"status", "Izlazni status: ", "Излазни статус: ", "Exit status: "},
    {"explorer-button-1", "1 Tacka", "1 Тачка", "1 Point"},
    {"explorer-button-2", "2 Prava", "2 Права", "2 Line"},
    {"explorer-button-3", "3 Krug", "3 Круг", "3 Circle"},
    {"explorer-button-4", "4 Ugao", "4 Угао", "4 Angle"},
    {"explorer-button-k", "k Korak", "k Корак", "k Step"},
    {"explorer-button-r", "r Ispocetka", "r Испочетка", "r Restart"},
    {"explorer-zoom-in", "Uvecaj", "Увећај", "Zoom in"},
    {"explorer-zoom-out", "Umanji", "Умањи", "Zoom out"},
    {"explorer-button-f", "f Sve", "f Све", "f All"},
    {"explorer-button-s", "s Sacuvaj", "s Сачувај", "s Save"},
    {"explorer-button-h", "h Pomoc", "h Помоћ", "h Help"},
    {"explorer-fullscreen", "F11 Ceo ekran", "F11 Цео екран", "F11 Full screen"},
    {"explorer-keys-drag",
     "Prevucite plavu tacku misem ili prstom: P, A ili B prave, centar C ili tacku R kruga, X, A ili B ugla. Slika "
     "(crvena) prati figuru; i sliku P' mozete prevuci.",
     "Превуците плаву тачку мишем или прстом: P, A или B праве, центар C или тачку R круга, X, A или B угла. Слика "
     "(црвена) прати фигуру; и слику P' можете превући.",
     "Drag a blue point with the mouse or a finger: P, A or B of the line, the centre C or the point R of the circle, "
     "X, A or B of the angle. The image (red) follows the figure; you can drag the image P' too."},
    {"explorer-keys-figures",
     "<kbd>1</kbd> tacka, <kbd>2</kbd> prava, <kbd>3</kbd> krug, <kbd>4</kbd> ugao: dve prave kroz tacku X i ugao "
     "pod kojim se seku njihove slike.",
     "<kbd>1</kbd> тачка, <kbd>2</kbd> права, <kbd>3</kbd> круг, <kbd>4</kbd> угао: две праве кроз тачку X и угао "
     "под којим се секу њихове слике.",
     "<kbd>1</kbd> a point, <kbd>2</kbd> a line, <kbd>3</kbd> a circle, <kbd>4</kbd> an angle: two lines through "
     "the point X and the angle at which their images meet."},
    {"explorer-keys-snap",
     "Krug se lepi tako da bude krug k, da mu centar bude u O ili da sece krug k pod pravim uglom; takav krug je sam "
     "sebi slika ili mu je slika krug sa istim centrom.",
     "Круг се лепи тако да буде круг k, да му центар буде у O или да сече круг k под правим углом; такав круг је сам "
     "себи слика или му је слика круг са истим центром.",
     "A circle snaps to be k, to have its centre at O or to cross k at right angles; such a circle is its own "
     "image, or its image is a circle about the same centre."},
    {"explorer-keys-step", "<kbd>k</kbd> sledeci korak konstrukcije; posle poslednjeg koraka konstrukcija se brise.",
     "<kbd>k</kbd> следећи корак конструкције; после последњег корака конструкција се брише.",
     "<kbd>k</kbd> the next step of the construction; after the last step the construction is cleared."},
    {"explorer-keys-reset", "<kbd>r</kbd> vraca figuru na pocetak.", "<kbd>r</kbd> враћа фигуру на почетак.",
     "<kbd>r</kbd> puts the figure back where it started."},
    {"explorer-keys-save", "<kbd>s</kbd> cuva crtez kao SVG i TikZ.", "<kbd>s</kbd> чува цртеж као SVG и TikZ.",
     "<kbd>s</kbd> saves the figure as SVG and TikZ."},
    {"explorer-keys-help", "<kbd>h</kbd> ispisuje pomoc u okviru ispod crteza.",
     "<kbd>h</kbd> исписује помоћ у оквиру испод цртежа.", "<kbd>h</kbd> writes the help in the box under the figure."},
    {"explorer-keys-view",
     "<kbd>+</kbd> i <kbd>-</kbd> uvecavaju i umanjuju crtez oko sredine, tocak misa oko pokazivaca, a dva prsta oko "
     "sredine izmedju njih; <kbd>f</kbd> prikazuje celu figuru, njenu sliku i konstrukciju, <kbd>0</kbd> vraca "
     "pocetni pogled.",
     "<kbd>+</kbd> и <kbd>-</kbd> увећавају и умањују цртеж око средине, точак миша око показивача, а два прста око "
     "средине између њих; <kbd>f</kbd> приказује целу фигуру, њену слику и конструкцију, <kbd>0</kbd> враћа "
     "почетни поглед.",
     "<kbd>+</kbd> and <kbd>-</kbd> zoom the figure in and out about its middle, the mouse wheel about the pointer "
     "and two fingers about the point between them; <kbd>f</kbd> shows the whole figure, its image and the "
     "construction, <kbd>0</kbd> the starting view."},
    {"explorer-keys-fullscreen", "<kbd>F11</kbd> prikazuje crtez, objasnjenje i dugmad preko celog ekrana, i vraca ih.",
     "<kbd>F11</kbd> приказује цртеж, објашњење и дугмад преко целог екрана, и враћа их.",
     "<kbd>F11</kbd> shows the figure, the explanation and the buttons on the whole screen, and back."},
    {"explorer-keys-choose",
     "<kbd>n</kbd> bira sledecu plavu tacku (oko nje je kruznica); strelice je pomeraju za 0.1, sa <kbd>Shift</kbd> "
     "za 1. Crtez dobija fokus tasterom Tab.",
     "<kbd>n</kbd> бира следећу плаву тачку (око ње је кружница); стрелице је померају за 0.1, са <kbd>Shift</kbd> "
     "за 1. Цртеж добија фокус тастером Tab.",
     "<kbd>n</kbd> chooses the next blue point (a ring marks it); the arrows move it by 0.1, with <kbd>Shift</kbd> "
     "by 1. The figure takes the focus with Tab."},
    {"explorer-keys-click",
     "Bez prevlacenja: klik ili dodir na tacku je bira, sledeci klik ili dodir van tacaka pomera je tamo.",
     "Без превлачења: клик или додир на тачку је бира, следећи клик или додир ван тачака помера је тамо.",
     "Without dragging: a click or a tap on a point chooses it, the next click or tap away from the points moves it "
     "there."},
    {"explorer-keys-language", "<kbd>j</kbd> bira sledeci jezik: cirilica, latinica, engleski.",
     "<kbd>j</kbd> бира следећи језик: ћирилица, латиница, енглески.",
     "<kbd>j</kbd> chooses the next language: Serbian in Cyrillic, in Latin, English."},
    {"explorer-keys-quit", "<kbd>q</kbd> i <kbd>Esc</kbd> na ovoj stranici ne rade nista: stranicu zatvara pregledac.",
     "<kbd>q</kbd> и <kbd>Esc</kbd> на овој страници не раде ништа: страницу затвара прегледач.",
     "<kbd>q</kbd> and <kbd>Esc</kbd> do nothing on this page: the browser closes the page."},
    // The buttons of the pages of the applications and of the exercises, and what the exercises' page says of a
    // learning platform.
    {"explorer-panel-applications", "Primena i korak", "Примена и корак", "Application and step"},
    {"explorer-panel-exercises", "Zadatak", "Задатак", "Exercise"},
    {"explorer-button-n", "n Sledeca tacka", "n Следећа тачка", "n Next point"},
    {"explorer-button-i", "i Posle inverzije", "i После инверзије", "i After inversion"},
    {"explorer-application-1", "1 Poseljeov inverzor", "1 Посељеов инверзор", "1 Peaucellier's inversor"},
    {"explorer-application-2", "2 Paposov lanac", "2 Папосов ланац", "2 Pappus chain"},
    {"explorer-application-3", "3 Stajnerov lanac", "3 Штајнеров ланац", "3 Steiner's chain"},
    {"explorer-application-4", "4 Ptolemejeva teorema", "4 Птолемејева теорема", "4 Ptolemy's theorem"},
    {"explorer-check", "Proveri", "Провери", "Check"},
    {"explorer-next", "Dalje", "Даље", "Next"},
    {"explorer-choice-1", "1 prava kroz O", "1 права кроз O", "1 a line through O"},
    {"explorer-choice-2", "2 krug kroz O", "2 круг кроз O", "2 a circle through O"},
    {"explorer-choice-3", "3 krug koji ne prolazi kroz O", "3 круг који не пролази кроз O", "3 a circle missing O"},
    {"explorer-choice-4", "4 prava koja ne prolazi kroz O", "4 права која не пролази кроз O", "4 a line missing O"},
    {"explorer-student", "Ucenik: ", "Ученик: ", "Student: "},
    {"explorer-platform-failed", "Platforma za ucenje nije prihvatila poziv ",
     "Платформа за учење није прихватила позив ", "The learning platform refused the call "},
};
const std::size_t pageTextCount = sizeof pageTextRows / sizeof pageTextRows[0];

std::string say(const Sentence& row, Language language, std::initializer_list<std::string_view> values) {
    const std::string text = language == Language::Plain
                                 ? (*row.plain ? row.plain : plainFromLatin(latinFromCyrillic(row.cyrillic)))
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
