// sentences.h
// Every sentence the explorer says, in each of the suite's languages, from one table compiled in: the Serbian
// written once in Cyrillic (its Latin form derived letter by letter), the plain form as the programs have always
// printed it, and English written by hand. A value in a sentence stands as {} and is filled in order.
#pragma once

#include "language.h"

#include <initializer_list>
#include <string>

/// The sentences, one a row of the table.
enum class Sentence {
    None, ///< no sentence: an empty text
    // The cases of the figures.
    PointInside,
    PointOutside,
    PointOnCircle,
    PointAtCentre,
    LineMissesCentre,
    LineThroughCentre,
    CircleThroughCentre,
    CircleMissesCentre,
    CircleIsK,
    CircleAboutCentre,
    CircleAtRightAngles,
    AnglesKept,
    AngleAtCentre,
    // The steps of the constructions.
    PointStep1,
    PointInsideStep2,
    PointInsideStep3,
    PointOutsideStep2,
    PointOutsideStep3,
    PointStep4,
    LineStep1,
    LineStep2,
    LineStep3,
    LineThroughStep,
    CircleStep1,
    CircleStep2,
    CircleStep3,
    CircleThroughStep1,
    CircleThroughStep2,
    CircleThroughStep3,
    // The construction's aids and the chosen handle's ring, by what they are.
    AidRayOP,
    AidPerpendicularAtP,
    AidTangentAtT1,
    AidTangentAtT2,
    AidCircleOnOP,
    AidTangentPT1,
    AidTangentPT2,
    AidChordT1T2,
    AidRadiusOT1,
    AidRightAngleAtT1,
    AidPerpendicularFromO,
    AidSegmentOF,
    AidCircleOnOF,
    AidLineOC,
    AidPerpendicularAtD,
    AidDiameterDE,
    AidCircleOnDE,
    Ring,
    // What the explorer prints, announces and shows in its band.
    ExplorerTitle,
    ExplorerHelp,
    BandKeys,
    ConstructionCleared,
    HandleChosen,
    AngleAtX,
    AngleAtXImage,
    BandLine,
    BandCircle,
    ImageLine,
    ImageNone,
    CircleWords,
    Saved,
    SaveError,
    Count ///< not a sentence: the number of rows
};

/// The sentence in a language, its values filled in order where it has {}.
std::string say(Sentence sentence, Language language, std::initializer_list<std::string> values = {});

/// A row of the table as written: the plain form, the Cyrillic source and the English.
struct SentenceRow {
    Sentence sentence = Sentence::None;
    const char* plain = "";
    const char* cyrillic = "";
    const char* english = "";
};

/// The row of a sentence.
const SentenceRow& sentenceRow(Sentence sentence);

/// The language after this one, as the key j cycles them: Cyrillic, Latin, English, plain, Cyrillic ...
Language nextLanguage(Language language);
