// exercises.h
// The eight exercises of a set: their given values, chosen from the set's number alike natively and on the page, the
// true answers, the check of an answer with its hint, and the points and percentage of the summary. No sentences: a
// hint is its kind and the numbers its sentence will quote.
#pragma once

#include "explorer/figure.h"
#include "scene.h"

#include <array>
#include <string>

/// The sets a student may ask for; the first is the one given without asking.
constexpr int firstSet = 1;
constexpr int lastSet = 9999;

/// The exercises of a set: one of each kind, in the order of ExerciseKind.
constexpr int exerciseCount = 8;

/// Where the answer's handles wait before the student moves them: the first (P', P, F', F, C' or R) and the second,
/// R' on the image of CircleImage.
constexpr Point answerStarts[2] = {{-6.0f, -6.0f}, {-4.0f, -6.0f}};

/// What is given and what the student places.
enum class ExerciseKind {
    PointInside,  ///< P inside k; P'
    PointOutside, ///< P outside k; P'
    PointOfImage, ///< P'; P
    LineFoot,     ///< a line p missing O, through A and B; F', the far end from O of its image's diameter through O
    CircleFoot,   ///< a circle through O about C; F, the point of its image line nearest O
    CircleImage,  ///< a circle missing O about C, of radius d; C' and R', its image's centre and a point of it
    ImageShape,   ///< a line or a circle; the choice of what its image is
    OwnImage,     ///< the centre C of a circle, outside k; R, so that the circle about C through R is its own image
};

/// What the image of a line or a circle is, numbered as the student chooses it.
enum class ImageChoice {
    LineThroughCentre = 1,   ///< the image of a line through O
    CircleThroughCentre = 2, ///< of a line missing O
    CircleMissingCentre = 3, ///< of a circle missing O
    LineMissingCentre = 4,   ///< of a circle through O
};

/// A point given in tenths of a unit: (12, -35) is (1.2, -3.5). The given values are whole tenths, chosen as integers,
/// so that a set is the same wherever it is chosen.
struct Tenths {
    int x = 0; ///< abscissa, in tenths
    int y = 0; ///< ordinate, in tenths
};

/// One exercise as it is given.
struct Exercise {
    ExerciseKind kind = ExerciseKind::PointInside; ///< what is given and what is placed
    /// For a given line or circle, what its image is: whether it is a line and whether it passes through O follow from
    /// it. In ImageShape, the right choice. Unused for a given point.
    ImageChoice image = ImageChoice::LineThroughCentre;
    Tenths first = {};  ///< P, P', A of the line or C of the circle
    Tenths second = {}; ///< B of the line
    int radius = 0;     ///< the radius d of a circle missing O, in tenths; a circle through O has |OC|
};

/// The point of the given tenths, in units.
Point unitsOf(Tenths t);

/// The eight exercises of set number (firstSet to lastSet), the same for the same number.
std::array<Exercise, exerciseCount> exerciseSet(int number);

/// What is given as the explorer draws it: P (or P') as a point figure, the line through A and B, the circle about C
/// through O or through (C.x + d, C.y); for OwnImage, the circle about C through the answer's handle at its start.
GivenFigure givenFigure(const Exercise& exercise);

/// How many handles the student places: two for CircleImage, none for ImageShape (a choice), one otherwise.
int answerHandles(ExerciseKind kind);

/// The true answer, for drawing it after a second wrong check: the answerHandles points, worked out from the given
/// values. For OwnImage, the crossing of the circle with k counter-clockwise of C as seen from O.
std::array<Point, 2> trueAnswer(const Exercise& exercise);

/// How far an answer may be from the true one: 0.15, or 3 % of size (a point's distance from O, a circle's radius)
/// when that is more.
double answerTolerance(double size);

/// What the student gave: the handles' places, or the choice.
struct StudentAnswer {
    Point first = {};                                    ///< the first handle
    Point second = {};                                   ///< R' in CircleImage
    ImageChoice choice = ImageChoice::LineThroughCentre; ///< in ImageShape
};

/// What is wrong with an answer. checkAnswer names the first fault it finds: of a point, its ray from O, then its side
/// of k, then its distance from O; of the image circle, its centre (at the image of C, off the ray OC, elsewhere),
/// then its radius.
enum class Hint {
    None,                  ///< right
    OppositeRay,           ///< on the line from O through the given point (P, P', the foot F of the perpendicular from
                           ///< O to p, C), on the other side of O
    OffRay,                ///< off that ray; quotes the angle at O between them, in degrees
    WrongSideOfK,          ///< inside k where the answer is outside it, or outside where inside; quotes |OX|
    WrongProduct,          ///< |OG| * |OX| is not r^2, G the given point whose image is asked (P, P', F, the point
                           ///< of the circle opposite O); quotes the product and r^2
    CentreIsImageOfCentre, ///< CircleImage: C' at the image of C, which is not the image's centre
    CentreWrong,           ///< CircleImage: C' on the ray OC, but not the image's centre
    CircleTooSmall,        ///< CircleImage: |C'R'| less than the image's radius; quotes |C'R'|. OwnImage: |CR| less
                           ///< than the radius of the circle crossing k at right angles; quotes |CR| and the power
                           ///< |OC|^2 - |CR|^2 of O, which is r^2 for that circle
    CircleTooLarge,        ///< the same, too large
    ImageLineOrCircle,     ///< ImageShape: a line where the image is a circle or the other way round (the image is
                           ///< a line exactly when the given object passes through O)
    ImageThroughCentre,    ///< ImageShape: the right one of the two, wrong about O (the image passes through O
                           ///< exactly when the given object is a line)
};

/// The verdict on an answer.
struct Check {
    bool right = false;                ///< the answer is right
    Hint hint = Hint::None;            ///< what is wrong with it, when it is not
    std::array<double, 2> quoted = {}; ///< the numbers the hint quotes, in its order; zeros past them
};

/// Checks an answer against the true one worked out in double from the given values: a point within answerTolerance
/// of its distance from O; a circle with its centre so and its radius within answerTolerance of the radius; for
/// ImageShape, the right choice.
Check checkAnswer(const Exercise& exercise, const StudentAnswer& answer);

/// The points of an exercise: 1 right at the first check, 0.5 right at the second, 0 wrong at both.
double exercisePoints(bool rightFirst, bool rightSecond);

/// The percentage of points (multiples of 0.5) out of exerciseCount, rounded half up: 6.5 is 81, 1 is 13.
int percentOfSet(double points);

/// Points as the summary writes them: a whole number without decimals (8), a half with one (6.5).
std::string pointsText(double points);

/// A named point as the explorer writes it, to two decimals: "P(1.20, 2.40)"; a radius is decimalText(d, 2).
std::string namedPointText(const char* name, Point p);
