// exercises.cpp
// The given values of a set, drawn from its number by a small integer generator of our own (the standard library's
// distributions differ from one library to another, and the page must give the student the set the program gives),
// the true answers from the inversion's own functions, and the grader.
#include "exercises.h"

#include "circle_inversion.h"
#include "console.h"
#include "inversion.h"
#include "vec.h"

#include <cmath>
#include <cstdint>

// k of every exercise.
static constexpr float r = 5.0f;
static const double pi = 3.14159265358979323846;

// Everything given and every answer lies within 7.5 of both axes: inside the first view, which reaches 8, with room
// for a label.
static constexpr int reachTenths = 75;

// A given point or an answer keeps this far from the handles' starting places: neither hides the other, and a handle
// left where it starts is never taken for the answer (no answer in view has a tolerance above a third of it).
static constexpr double clearance = 1.0;

Point unitsOf(Tenths t) {
    return Point{float(t.x / 10.0), float(t.y / 10.0)};
}

// ---- Choosing the given values ----

// splitmix64: whole numbers only, so the same seed gives the same draws natively and in the browser.
struct Draws {
    std::uint64_t state = 0;
};

static std::uint64_t nextDraw(Draws& draws) {
    std::uint64_t z = draws.state += 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// A whole number from low to high; the remainder's bias, below 10^-16, is of no account.
static int drawBetween(Draws& draws, int low, int high) {
    return low + int(nextDraw(draws) % std::uint64_t(high - low + 1));
}

static Tenths drawTenths(Draws& draws) {
    const int x = drawBetween(draws, -reachTenths, reachTenths);
    return Tenths{x, drawBetween(draws, -reachTenths, reachTenths)};
}

// |OT|^2, in hundredths.
static int squaredTenths(Tenths t) {
    return t.x * t.x + t.y * t.y;
}

// |pq| for choosing: sqrt is correctly rounded in every C library and hypot is not, and no library's last bit may
// decide a bound and so change a set.
static double span(Point p, Point q) {
    const double dx = double(p.x) - q.x;
    const double dy = double(p.y) - q.y;
    return std::sqrt(dx * dx + dy * dy);
}

static bool inView(Point p) {
    return std::fabs(p.x) <= reachTenths / 10.0 && std::fabs(p.y) <= reachTenths / 10.0;
}

static bool placeable(Point p) {
    return inView(p) && span(p, answerStarts[0]) >= clearance && span(p, answerStarts[1]) >= clearance;
}

static bool circleInView(const Circle& c) {
    return inView(Point{float(std::fabs(c.centre.x) + c.radius), float(std::fabs(c.centre.y) + c.radius)});
}

// A point of the circle to stand for it: the end of its radius along x.
static Point rimPoint(const Circle& c) {
    return Point{c.centre.x + c.radius, c.centre.y};
}

// F', the far end from O of the diameter through O of the image of the line through a and b: twice the image's centre.
static Point footImage(Point a, Point b) {
    return scaled(imageOfLineThrough(a, b, r).centre, 2.0);
}

// P inside k from 2 to 4.5 from O, or outside from 5.5 on. P', 25 / |OP| from O, is in view only for |OP| beyond about
// 2.4 (3.3 on an axis); within half a unit of k P and P' would crowd each other; and the view keeps P within 10.6 of O,
// so that an outer P' is at least 2.4 from O, clear of O's label.
static Tenths drawPoint(Draws& draws, bool inside) {
    for (;;) {
        const Tenths p = drawTenths(draws);
        const int squared = squaredTenths(p);
        const bool fits = inside ? squared >= 20 * 20 && squared <= 45 * 45 : squared >= 55 * 55;
        if (fits && placeable(unitsOf(p)) && placeable(invertPoint(unitsOf(p), r))) {
            return p;
        }
    }
}

// A line missing O through A and B at least 3 apart, 2.5 to 7 from O and not within 0.3 of k: nearer O its image
// circle (25 / |OF| across) outgrows the view, farther it shrinks onto O, and with F on k F' would be F itself, on
// neither side of k.
static Exercise drawLineMissingCentre(Draws& draws) {
    for (;;) {
        const Tenths a = drawTenths(draws);
        const Tenths b = drawTenths(draws);
        const int apart = squaredTenths(Tenths{b.x - a.x, b.y - a.y});
        // The parallelogram OAB's area over the base |AB|, from tenths to units.
        const double fromO = std::abs(a.x * b.y - a.y * b.x) / std::sqrt(double(apart)) / 10.0;
        const Point image = footImage(unitsOf(a), unitsOf(b));
        if (apart >= 30 * 30 && fromO >= 2.5 && fromO <= 7.0 && std::fabs(fromO - r) >= 0.3 && placeable(unitsOf(a)) &&
            placeable(unitsOf(b)) && placeable(image) &&
            circleInView(Circle{scaled(image, 0.5), float(span(image, {}) / 2)})) {
            return Exercise{ExerciseKind::LineFoot, ImageChoice::CircleThroughCentre, a, b};
        }
    }
}

// A circle through O about C, wholly in view, |OC| from 1.5 to 3.5: its diameter OD from 3 to 7, D not within 0.3 of
// k, where F would be D itself.
static Exercise drawCircleThroughCentre(Draws& draws) {
    for (;;) {
        const Tenths c = drawTenths(draws);
        const Point centre = unitsOf(c);
        const int squared = squaredTenths(c);
        const bool fits = squared >= 15 * 15 && squared <= 35 * 35 && std::fabs(2.0 * span(centre, {}) - r) >= 0.3;
        if (fits && circleInView(Circle{centre, float(span(centre, {}))}) && placeable(centre) &&
            placeable(invertPoint(scaled(centre, 2.0), r))) {
            return Exercise{ExerciseKind::CircleFoot, ImageChoice::LineMissingCentre, c};
        }
    }
}

// A circle missing O about C, of radius d from 0.8 to 2.5, with O at least 1 outside it so that the image's centre C'
// lies on the ray OC. Its image, wholly in view, at least 0.8 in radius to leave room for R', and apart from it by 1
// (a circle that is nearly its own image is OwnImage's); the image of C at least three tolerances from C', so that
// taking the one for the other is told apart; R' left at its start not on the image.
static Exercise drawCircleMissingCentre(Draws& draws) {
    for (;;) {
        const Tenths c = drawTenths(draws);
        const int d = drawBetween(draws, 8, 25);
        const Circle given{unitsOf(c), d / 10.0f};
        const Circle image = imageOfCircleMissingCentre(given, r);
        const double tolerance = answerTolerance(span(image.centre, {}));
        const bool fits = span(given.centre, {}) - given.radius >= 1.0 && image.radius >= 0.8 && circleInView(given) &&
                          circleInView(image) && span(given.centre, image.centre) >= 1.0 &&
                          span(invertPoint(given.centre, r), image.centre) >= 3.0 * tolerance &&
                          std::fabs(span(answerStarts[1], image.centre) - image.radius) >= clearance;
        if (fits && placeable(given.centre) && placeable(image.centre) && placeable(rimPoint(image))) {
            return Exercise{ExerciseKind::CircleImage, ImageChoice::CircleMissingCentre, c, {}, d};
        }
    }
}

// A line through O: A and B on either side of O, whole multiples of one step, so that O lies on it exactly; each at
// least 1.5 from O.
static Exercise drawLineThroughCentre(Draws& draws) {
    for (;;) {
        const Tenths step{drawBetween(draws, -10, 10), drawBetween(draws, -10, 10)};
        const int m = drawBetween(draws, 1, 7);
        const int n = drawBetween(draws, 1, 7);
        const Tenths a{m * step.x, m * step.y};
        const Tenths b{-n * step.x, -n * step.y};
        if (squaredTenths(a) >= 15 * 15 && squaredTenths(b) >= 15 * 15 && placeable(unitsOf(a)) &&
            placeable(unitsOf(b))) {
            return Exercise{ExerciseKind::ImageShape, ImageChoice::LineThroughCentre, a, b};
        }
    }
}

// The crossing of k with the circle about C that crosses it at right angles, counter-clockwise of C: with the right
// angle at the crossing T, T projects onto OC at 25 / |OC| from O, the image of C, and stands off OC by
// 5 * sqrt(|OC|^2 - 25) / |OC|.
static Point rightAngleCrossing(Point c) {
    const double squared = double(c.x) * c.x + double(c.y) * c.y;
    const Point side = scaled(turned(c), r * std::sqrt(squared - double(r) * r) / squared);
    const Point foot = invertPoint(c, r);
    return Point{float(double(foot.x) + side.x), float(double(foot.y) + side.y)};
}

// C from 5.5 to 7.5 from O: the circle crossing k at right angles, of radius sqrt(|OC|^2 - 25), is from 2.3 to 5.6 in
// radius and large enough to find; it misses the handle's start, so that R left there is not taken for an answer.
static Exercise drawOwnImage(Draws& draws) {
    for (;;) {
        const Tenths c = drawTenths(draws);
        const Point centre = unitsOf(c);
        const int squared = squaredTenths(c);
        const double radius = std::sqrt(squared / 100.0 - double(r) * r);
        if (squared >= 55 * 55 && squared <= 75 * 75 && placeable(centre) && placeable(rightAngleCrossing(centre)) &&
            std::fabs(span(answerStarts[0], centre) - radius) >= clearance) {
            return Exercise{ExerciseKind::OwnImage, ImageChoice::CircleMissingCentre, c};
        }
    }
}

std::array<Exercise, exerciseCount> exerciseSet(int number) {
    Draws draws{std::uint64_t(number)};
    std::array<Exercise, exerciseCount> set;
    set[0] = Exercise{ExerciseKind::PointInside, {}, drawPoint(draws, true)};
    set[1] = Exercise{ExerciseKind::PointOutside, {}, drawPoint(draws, false)};
    const bool imageInside = drawBetween(draws, 0, 1) == 0;
    set[2] = Exercise{ExerciseKind::PointOfImage, {}, drawPoint(draws, imageInside)};
    set[3] = drawLineMissingCentre(draws);
    set[4] = drawCircleThroughCentre(draws);
    set[5] = drawCircleMissingCentre(draws);
    // The seventh gives the object whose image is the right choice: the drawers of the fourth to the sixth, and lines
    // through O.
    switch (ImageChoice(drawBetween(draws, 1, 4))) {
    case ImageChoice::LineThroughCentre:
        set[6] = drawLineThroughCentre(draws);
        break;
    case ImageChoice::CircleThroughCentre:
        set[6] = drawLineMissingCentre(draws);
        break;
    case ImageChoice::CircleMissingCentre:
        set[6] = drawCircleMissingCentre(draws);
        break;
    case ImageChoice::LineMissingCentre:
        set[6] = drawCircleThroughCentre(draws);
        break;
    }
    set[6].kind = ExerciseKind::ImageShape;
    set[7] = drawOwnImage(draws);
    return set;
}

// ---- What is given and the true answers ----

GivenFigure givenFigure(const Exercise& exercise) {
    const Point first = unitsOf(exercise.first);
    switch (exercise.kind) {
    case ExerciseKind::PointInside:
    case ExerciseKind::PointOutside:
    case ExerciseKind::PointOfImage:
        return GivenFigure{FigureKind::PointFigure, first, first};
    case ExerciseKind::OwnImage:
        return GivenFigure{FigureKind::CircleFigure, first, answerStarts[0]};
    default:
        break;
    }
    switch (exercise.image) {
    case ImageChoice::LineThroughCentre:
    case ImageChoice::CircleThroughCentre:
        return GivenFigure{FigureKind::LineFigure, first, unitsOf(exercise.second)};
    case ImageChoice::LineMissingCentre:
        return GivenFigure{FigureKind::CircleFigure, first, inversionCentre};
    case ImageChoice::CircleMissingCentre:
        break;
    }
    return GivenFigure{FigureKind::CircleFigure, first,
                       unitsOf(Tenths{exercise.first.x + exercise.radius, exercise.first.y})};
}

int answerHandles(ExerciseKind kind) {
    return kind == ExerciseKind::CircleImage ? 2 : kind == ExerciseKind::ImageShape ? 0 : 1;
}

static Circle givenCircleMissingCentre(const Exercise& exercise) {
    return Circle{unitsOf(exercise.first), exercise.radius / 10.0f};
}

// The given point G whose image the student places in the first five: P, P', the foot F of the perpendicular from O
// to p (the image of F', twice the image circle's centre), or the point D of the circle opposite O, whose image is the
// point of the image line nearest O.
static Point givenOfImage(const Exercise& exercise) {
    const Point first = unitsOf(exercise.first);
    if (exercise.kind == ExerciseKind::LineFoot) {
        return invertPoint(footImage(first, unitsOf(exercise.second)), r);
    }
    return exercise.kind == ExerciseKind::CircleFoot ? scaled(first, 2.0) : first;
}

std::array<Point, 2> trueAnswer(const Exercise& exercise) {
    switch (exercise.kind) {
    case ExerciseKind::CircleImage: {
        const Circle image = imageOfCircleMissingCentre(givenCircleMissingCentre(exercise), r);
        return {image.centre, rimPoint(image)};
    }
    case ExerciseKind::ImageShape:
        return {};
    case ExerciseKind::OwnImage:
        return {rightAngleCrossing(unitsOf(exercise.first))};
    default:
        return {invertPoint(givenOfImage(exercise), r)};
    }
}

// ---- The grader ----

double answerTolerance(double size) {
    return std::fmax(0.15, 0.03 * size);
}

// Whether X, placed for T, is off the ray from O through T: by an angle at O beyond the tolerance as seen from O at
// T's distance. X within the tolerance of O has no direction to judge. No fault is the hint None.
static Check rayFault(Point x, Point t, double tolerance) {
    if (norm(x) <= tolerance) {
        return Check{};
    }
    const double angle = std::atan2(std::fabs(cross(t, x)), double(t.x) * x.x + double(t.y) * x.y);
    const double allowed = tolerance / norm(t);
    if (angle >= pi - allowed) {
        return Check{false, Hint::OppositeRay};
    }
    return angle > allowed ? Check{false, Hint::OffRay, {angle * 180.0 / pi}} : Check{};
}

// X placed for the image T of G: inversion keeps the ray from O, swaps the inside of k and the outside, and
// |OG| * |OT| = r^2; the first of these that X breaks is its hint.
static Check checkImageOf(Point g, Point x) {
    const Point t = invertPoint(g, r);
    const double tolerance = answerTolerance(norm(t));
    if (distance(x, t) <= tolerance) {
        return Check{true};
    }
    const Check ray = rayFault(x, t, tolerance);
    if (ray.hint != Hint::None) {
        return ray;
    }
    const double fromO = norm(x);
    if ((fromO < r) != (norm(t) < r)) {
        return Check{false, Hint::WrongSideOfK, {fromO}};
    }
    return Check{false, Hint::WrongProduct, {norm(g) * fromO, double(r) * r}};
}

// A circle's radius placed against the true one, quoting it and a second number.
static Check checkRadius(double placed, double truth, double second) {
    if (std::fabs(placed - truth) <= answerTolerance(truth)) {
        return Check{true};
    }
    return Check{false, placed < truth ? Hint::CircleTooSmall : Hint::CircleTooLarge, {placed, second}};
}

Check checkAnswer(const Exercise& exercise, const StudentAnswer& answer) {
    const Point first = unitsOf(exercise.first);
    switch (exercise.kind) {
    case ExerciseKind::CircleImage: {
        // The centre first: taking the image of C for it is the mistake to catch; the image's centre lies on the ray
        // OC, since O is outside the circle.
        const Circle image = imageOfCircleMissingCentre(givenCircleMissingCentre(exercise), r);
        const double tolerance = answerTolerance(norm(image.centre));
        if (distance(answer.first, image.centre) > tolerance) {
            if (distance(answer.first, invertPoint(first, r)) <= tolerance) {
                return Check{false, Hint::CentreIsImageOfCentre};
            }
            const Check ray = rayFault(answer.first, image.centre, tolerance);
            return ray.hint != Hint::None ? ray : Check{false, Hint::CentreWrong};
        }
        return checkRadius(distance(answer.first, answer.second), image.radius, 0.0);
    }
    case ExerciseKind::ImageShape: {
        if (answer.choice == exercise.image) {
            return Check{true};
        }
        const auto line = [](ImageChoice c) {
            return c == ImageChoice::LineThroughCentre || c == ImageChoice::LineMissingCentre;
        };
        return Check{false,
                     line(answer.choice) != line(exercise.image) ? Hint::ImageLineOrCircle : Hint::ImageThroughCentre};
    }
    case ExerciseKind::OwnImage: {
        // The circle about C crosses k at right angles when O's power |OC|^2 - |CR|^2 is r^2.
        const double squared = norm(first) * norm(first);
        const double placed = distance(first, answer.first);
        return checkRadius(placed, std::sqrt(squared - double(r) * r), squared - placed * placed);
    }
    default:
        return checkImageOf(givenOfImage(exercise), answer.first);
    }
}

// ---- The summary ----

double exercisePoints(bool rightFirst, bool rightSecond) {
    return rightFirst ? 1.0 : rightSecond ? 0.5 : 0.0;
}

int percentOfSet(double points) {
    // halves * 100 / (2 * exerciseCount), rounded half up in whole numbers.
    const long halves = std::lround(points * 2.0);
    return int((halves * 100 + exerciseCount) / (2 * exerciseCount));
}

std::string pointsText(double points) {
    return trimmedDecimalText(points, 1);
}

std::string namedPointText(const char* name, Point p) {
    return std::string(name) + "(" + decimalText(p.x, 2) + ", " + decimalText(p.y, 2) + ")";
}
