// case_texts.h
// The explanation of each case, as the programs print it and the explorer prints it when a figure enters the case.
#pragma once

/// A point inside k.
constexpr const char* pointInsideText =
    "Tacka P je unutar kruga k, pa je njena slika P' van kruga k, na polupravoj OP.";
/// A point outside k.
constexpr const char* pointOutsideText =
    "Tacka P je van kruga k, pa je njena slika P' unutar kruga k, na polupravoj OP.";
/// A point on k.
constexpr const char* pointOnCircleText = "Inverzija tacke koja se nalazi na kruznici je ista ta tacka.";
/// The centre has no image: the error text, which begins with a line break and does not end with one.
constexpr const char* centreErrorText =
    "\nNepravilan unos, slika centra kruga nije definisana\nniti je centar kruga slika neke tacke ravni!";

/// The explorer's point P at O: the student did nothing wrong, O simply has no image.
constexpr const char* pointAtCentreText = "Tacka P je u centru kruga k, a centar nema sliku: sto je P bliza tacki O, "
                                          "to je njena slika P' dalje, pa odlazi u beskonacnost.";

/// A line that misses O: its image is a circle through O, O itself excepted.
constexpr const char* lineMissesCentreText =
    "Ukoliko prava ciju inverziju trazimo NE prolazi kroz centar kruga, njena inverzija je "
    "krug cija kruznica prolazi kroz centar kruga u odnosu na koji invertujemo, bez samog centra.";
/// A line through O.
constexpr const char* lineThroughCentreText =
    "Ukoliko prava ciju inverziju trazimo prolazi kroz centar kruga, njena inverzija je "
    "takodje ta ista prava bez centra kruga u odnosu na koji invertujemo.";

/// A circle through O; it ends with a line break.
constexpr const char* circleThroughCentreText =
    "Ako se centar kruga inverzije nalazi na kruznici kruga koji invertujemo, onda je slika tog kruga prava linija "
    "odredjena dvema invertovanim tackama sa kruznice ciju inverziju trazimo.\n";
/// A circle that misses O.
constexpr const char* circleMissesCentreText =
    "Ukoliko se centar kruga inverzije ne nalazi na kruznici kruga koji invertujemo, onda je slika tog kruga "
    "takodje krug.";

/// The explorer's circle that is k itself.
constexpr const char* circleIsKText = "Krug k se slika sam u sebe: svaka njegova tacka je sama sebi slika.";
/// The explorer's circle about O of another radius.
constexpr const char* circleAboutCentreText = "Krug sa centrom u centru kruga k slika se u krug sa istim centrom; "
                                              "proizvod njihovih poluprecnika je 25.";
/// The explorer's circle that crosses k at right angles.
constexpr const char* circleAtRightAnglesText =
    "Krug koji sece krug k pod pravim uglom slika se sam u sebe: njegov luk van kruga k prelazi u luk unutar kruga "
    "k, i obrnuto.";
/// The explorer's two lines through X at O.
constexpr const char* anglesAtCentreText = "Tacka X je u centru kruga k: obe prave prolaze kroz O, pa je svaka sama "
                                           "sebi slika, a ugao izmedju njih ostaje isti.";
/// The explorer's two lines through X and their images.
constexpr const char* anglesKeptText =
    "Inverzija cuva uglove: dve prave koje se seku u tacki X slikaju se u dva kruga (ili pravu kroz O) koji se seku "
    "u tacki X' i u centru O, pod istim uglom pod kojim se seku prave.";
