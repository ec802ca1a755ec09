// exercises_test.cpp
// The exercises against geometry worked out here in double: three sets within their bounds and the same for the same
// number, the grader at the edge of its tolerance with the hint of each fault, the summary's rounding, a set worked
// through as a student works it, and a figure's link read back, refused, and carried from the explorer's key l to
// its option --slika.
#include "case_texts.h"
#include "exercises/exercises.h"
#include "exercises/practice.h"
#include "explorer/explorer.h"
#include "explorer/link.h"
#include "explorer/view.h"
#include "inversion.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>

static const double degree = 3.14159265358979323846 / 180.0;

struct Vec {
    double x, y;
};
static Vec vec(Tenths t) {
    return {t.x / 10.0, t.y / 10.0};
}
static Vec vec(Point p) {
    return {p.x, p.y};
}
static double apart(Vec a, Vec b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}
static double length(Vec a) {
    return apart(a, {0, 0});
}
// The image in k of radius 5 about O.
static Vec inverse(Vec a) {
    const double s = 25.0 / (a.x * a.x + a.y * a.y);
    return {a.x * s, a.y * s};
}

// What a student must place in each exercise, worked out from the given values; the circles of CircleImage and
// OwnImage, on which R' and R may lie anywhere, as their centre and radius.
struct Truth {
    Vec point;
    Vec centre{0, 0};
    double radius = 0;
};

static Truth truthOf(const Exercise& e) {
    const Vec a = vec(e.first), b = vec(e.second);
    switch (e.kind) {
    case ExerciseKind::LineFoot: { // F, the foot of the perpendicular from O to AB
        const double t = -(a.x * (b.x - a.x) + a.y * (b.y - a.y)) / std::pow(apart(a, b), 2);
        return {inverse({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)})};
    }
    case ExerciseKind::CircleFoot:
        return {inverse({2 * a.x, 2 * a.y})};
    case ExerciseKind::CircleImage: {
        const double s = 25.0 / (std::pow(length(a), 2) - std::pow(e.radius / 10.0, 2));
        return {{s * a.x, s * a.y}, {s * a.x, s * a.y}, s * e.radius / 10.0};
    }
    case ExerciseKind::OwnImage:
        return {{}, a, std::sqrt(std::pow(length(a), 2) - 25.0)};
    default:
        return {inverse(a)};
    }
}

TEST(Exercises, SetsKeepTheirBoundsAndComeAgainForTheirNumber) {
    EXPECT_NE(exerciseSet(1)[0].first.x * 1000 + exerciseSet(1)[0].first.y,
              exerciseSet(2)[0].first.x * 1000 + exerciseSet(2)[0].first.y);
    for (int number : {1, 2, 9999}) {
        const auto set = exerciseSet(number), again = exerciseSet(number);
        for (int i = 0; i < exerciseCount; ++i) {
            const Exercise& e = set[i];
            SCOPED_TRACE(testing::Message() << "set " << number << ", exercise " << i + 1);
            EXPECT_EQ(std::memcmp(&e, &again[i], sizeof e), 0);
            EXPECT_EQ(e.kind, ExerciseKind(i));
            const double fromO = length(vec(e.first));
            const bool line = e.kind == ExerciseKind::LineFoot ||
                              (e.kind == ExerciseKind::ImageShape && (e.image == ImageChoice::LineThroughCentre ||
                                                                      e.image == ImageChoice::CircleThroughCentre));
            const int cross = e.first.x * e.second.y - e.first.y * e.second.x;
            if (line) { // through O exactly when its image is a line through O
                EXPECT_EQ(cross == 0, e.image == ImageChoice::LineThroughCentre);
            } else if (e.image == ImageChoice::LineMissingCentre) { // a circle through O
                EXPECT_NEAR(apart(vec(givenFigure(e).first), vec(givenFigure(e).second)), fromO, 1e-6);
            } else if (e.image == ImageChoice::CircleMissingCentre && e.kind != ExerciseKind::OwnImage) {
                EXPECT_GT(fromO, e.radius / 10.0);
            }
            EXPECT_TRUE(e.kind != ExerciseKind::PointInside || fromO < 5.0);
            EXPECT_TRUE(e.kind != ExerciseKind::PointOutside || fromO > 5.0);
            EXPECT_TRUE(e.kind != ExerciseKind::OwnImage || fromO > 5.0);
            for (Tenths given : {e.first, e.second}) {
                EXPECT_LE(std::max(std::abs(given.x), std::abs(given.y)), 75);
            }
            if (e.kind == ExerciseKind::ImageShape) {
                continue;
            }
            // The answers in view, and each handle where it starts off every right answer.
            const Truth truth = truthOf(e);
            const std::array<Point, 2> answer = trueAnswer(e);
            const Vec start = vec(answerStarts[0]), start2 = vec(answerStarts[1]);
            if (truth.radius == 0.0 || e.kind == ExerciseKind::CircleImage) {
                EXPECT_LE(std::max(std::fabs(truth.point.x), std::fabs(truth.point.y)), 7.5);
                EXPECT_GT(apart(truth.point, start), answerTolerance(length(truth.point)));
                EXPECT_NEAR(apart(vec(answer[0]), truth.point), 0.0, 1e-4);
            }
            if (truth.radius > 0.0) {
                const Vec onIt = vec(answer[e.kind == ExerciseKind::CircleImage ? 1 : 0]);
                EXPECT_NEAR(apart(onIt, truth.centre), truth.radius, 1e-4);
                EXPECT_LE(std::max(std::fabs(onIt.x), std::fabs(onIt.y)), 7.5);
                const Vec handle = e.kind == ExerciseKind::CircleImage ? start2 : start;
                EXPECT_GT(std::fabs(apart(handle, truth.centre) - truth.radius), answerTolerance(truth.radius));
            }
        }
    }
}

TEST(Exercises, TheGraderAtTheEdgeOfItsToleranceAndTheHintOfEachFault) {
    // P(4, 0) and the line x = 4 have P' = F' = (6.25, 0), tolerance 0.1875; the circle through O about (0, 2) has
    // F = (0, 6.25). The circle about (6, 0) of radius 2 has the image about (4.6875, 0) of radius 1.5625, both
    // tolerances 0.15, and C' = (25/6, 0). The circle about (7, 1) crossing k at right angles has radius 5.
    const Exercise inside{ExerciseKind::PointInside, {}, {40, 0}}, outside{ExerciseKind::PointOutside, {}, {0, 64}},
        ofImage{ExerciseKind::PointOfImage, {}, {-80, 0}}, line{ExerciseKind::LineFoot, {}, {40, -20}, {40, 30}},
        through{ExerciseKind::CircleFoot, {}, {0, 20}}, missing{ExerciseKind::CircleImage, {}, {60, 0}, {}, 20},
        shape{ExerciseKind::ImageShape, ImageChoice::CircleThroughCentre}, own{ExerciseKind::OwnImage, {}, {70, 10}};
    const float c = 4.6875f, rho = 1.5625f;
    const struct {
        const Exercise& exercise;
        StudentAnswer answer;
        bool right;
        Hint hint;
        double quoted0, quoted1;
    } rows[] = {
        {inside, {{6.43f, 0}}, true, Hint::None, 0, 0},
        {inside, {{6.44f, 0}}, false, Hint::WrongProduct, 4 * 6.44, 25},
        {inside, {{6.25f, 0.19f}}, false, Hint::OffRay, std::atan2(0.19, 6.25) / degree, 0},
        {inside, {{-6.25f, 0}}, false, Hint::OppositeRay, 0, 0},
        {inside, {{3, 0}}, false, Hint::WrongSideOfK, 3, 0},
        {outside, {{0, 25 / 6.4f + 0.14f}}, true, Hint::None, 0, 0},
        {outside, {{0, 25 / 6.4f - 0.16f}}, false, Hint::WrongProduct, 25 - 6.4 * 0.16, 25},
        {ofImage, {{-3.265f, 0}}, true, Hint::None, 0, 0},
        {ofImage, {{-2.965f, 0}}, false, Hint::WrongProduct, 8 * 2.965, 25},
        {line, {{6.07f, 0}}, true, Hint::None, 0, 0},
        {line, {{6.06f, 0}}, false, Hint::WrongProduct, 4 * 6.06, 25},
        {through, {{0.18f, 6.25f}}, true, Hint::None, 0, 0},
        {through, {{0, 6.44f}}, false, Hint::WrongProduct, 4 * 6.44, 25},
        {missing, {{c + 0.14f, 0}, {c + 0.14f, rho + 0.14f}}, true, Hint::None, 0, 0},
        {missing, {{c + 0.16f, 0}, {c + 0.16f, rho}}, false, Hint::CentreWrong, 0, 0},
        {missing, {{25 / 6.0f, 0}, {25 / 6.0f, rho}}, false, Hint::CentreIsImageOfCentre, 0, 0},
        {missing, {{c, 0}, {c, rho + 0.16f}}, false, Hint::CircleTooLarge, rho + 0.16, 0},
        {missing, {{c, 0}, {c - rho + 0.16f, 0}}, false, Hint::CircleTooSmall, rho - 0.16, 0},
        {shape, {{}, {}, ImageChoice::CircleThroughCentre}, true, Hint::None, 0, 0},
        {shape, {{}, {}, ImageChoice::LineMissingCentre}, false, Hint::ImageLineOrCircle, 0, 0},
        {shape, {{}, {}, ImageChoice::CircleMissingCentre}, false, Hint::ImageThroughCentre, 0, 0},
        {own, {{7, 6.14f}}, true, Hint::None, 0, 0},
        {own, {{7, 6.16f}}, false, Hint::CircleTooLarge, 5.16, 50 - 5.16 * 5.16},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << &row - rows);
        const Check check = checkAnswer(row.exercise, row.answer);
        EXPECT_EQ(check.right, row.right);
        EXPECT_EQ(check.hint, row.hint);
        EXPECT_NEAR(check.quoted[0], row.quoted0, 1e-4);
        EXPECT_NEAR(check.quoted[1], row.quoted1, 1e-4);
    }
}

TEST(Exercises, TheSummaryRoundsTheShareHalfUp) {
    const struct {
        double points;
        int percent;
        const char* text;
    } rows[] = {{6.5, 81, "6.5"}, {0.5, 6, "0.5"}, {1, 13, "1"}, {8, 100, "8"}, {0, 0, "0"}};
    for (const auto& row : rows) {
        EXPECT_EQ(percentOfSet(row.points), row.percent) << row.points;
        EXPECT_EQ(pointsText(row.points), row.text);
    }
    EXPECT_EQ(namedPointText("P", unitsOf({12, -4})), "P(1.20, -0.40)");
}

// ---- A set worked through ----

// The practice driven as its program drives it.
struct Student {
    Practice practice;
    std::string printed;
    explicit Student(const char* option = nullptr) {
        inversionRadius = 5.0f;
        printed = openPractice(practice, option).printed;
    }
    std::string key(char k) {
        InputEvent event;
        event.key = k;
        const std::string out = handlePracticeEvent(practice, event).printed;
        printed += out;
        return out;
    }
};

static std::string two(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    return text;
}
static std::string named(const char* name, Vec p) {
    return std::string(name) + "(" + two(p.x) + ", " + two(p.y) + ")";
}

// The prompts as the student reads them, written here from the given values.
static std::string expectedPrompt(const Exercise& e, int i) {
    const std::string head = "Zadatak " + std::to_string(i + 1) + " od 8: ", c = named("C", vec(e.first)),
                      ab = named("A", vec(e.first)) + " i " + named("B", vec(e.second)), d = two(e.radius / 10.0);
    switch (e.kind) {
    case ExerciseKind::PointInside:
    case ExerciseKind::PointOutside:
        return head + "Postavi sliku P' tacke " + named("P", vec(e.first)) + ".";
    case ExerciseKind::PointOfImage:
        return head + "Postavi tacku P cija je slika " + named("P'", vec(e.first)) + ".";
    case ExerciseKind::LineFoot:
        return head + "Prava p prolazi kroz " + ab +
               ". Postavi tacku F' tako da krug nad precnikom OF' bude slika prave p.";
    case ExerciseKind::CircleFoot:
        return head + "Krug c sa centrom " + c +
               " prolazi kroz O. Postavi tacku F tako da prava kroz F normalna na OF bude slika kruga c.";
    case ExerciseKind::CircleImage:
        return head + "Krug c ima centar " + c + " i poluprecnik " + d +
               ". Postavi centar C' i tacku R' kruga koji je slika kruga c.";
    case ExerciseKind::OwnImage:
        return head + "Postavi tacku R tako da krug sa centrom " + c + " kroz R bude sam sebi slika.";
    case ExerciseKind::ImageShape:
        break;
    }
    const std::string object = e.image == ImageChoice::LineMissingCentre ? "kruga sa centrom " + c + " kroz O"
                               : e.image == ImageChoice::CircleMissingCentre
                                   ? "kruga sa centrom " + c + " i poluprecnikom " + d
                                   : "prave kroz " + ab;
    return head + "Sta je slika " + object +
           "? 1 prava kroz O, 2 krug kroz O, 3 krug koji ne prolazi kroz O, 4 prava koja ne prolazi kroz O.";
}

static Exercise e_of(int set, int index) {
    return exerciseSet(set)[std::size_t(index)];
}

TEST(Practice, PrintsEachPromptAsItsExerciseStarts) {
    for (int number : {1, 2, 9999}) {
        Student run(std::to_string(number).c_str());
        const auto set = exerciseSet(number);
        std::string started = run.printed;
        for (int i = 0; i < exerciseCount; ++i) {
            EXPECT_EQ(started, expectedPrompt(set[i], i) + "\n") << "set " << number;
            // The handles where they start, or no choice: wrong twice, and Space goes on.
            EXPECT_EQ(run.key(' '), "");
            run.key('\r');
            run.key('\r');
            started = run.key(' ');
        }
        EXPECT_EQ(started, "") << "past the eighth";
    }
}

TEST(Practice, GradesAtTheToleranceEdgeAndSumsUpTheSet) {
    // Each answer of set 1 placed within 0.99 of its tolerance from the true one, 1.01 past it (away from O, or a
    // wrong choice), or left where it starts; what each try earns.
    enum Place { Within, Past, Untouched };
    const struct {
        std::vector<Place> tries;
        double points;
    } rows[exerciseCount] = {{{Within}, 1},     {{Past, Within}, 0.5}, {{Untouched, Untouched}, 0}, {{Within}, 1},
                             {{Past, Past}, 0}, {{Within}, 1},         {{Untouched, Within}, 0.5},  {{Within}, 1}};
    Student run;
    std::string summary;
    double total = 0;
    std::string halves; // the record's points so far, in halves
    for (int i = 0; i < exerciseCount; ++i) {
        EXPECT_EQ(practiceRecord(run.practice), "1~" + halves);
        const Exercise& e = run.practice.exercises[i];
        const Truth truth = truthOf(e);
        for (std::size_t t = 0; t < rows[i].tries.size(); ++t) {
            const Place place = rows[i].tries[t];
            const double reach = place == Within ? 0.99 : 1.01;
            const auto away = [&](Vec p) { // p moved from O by reach times the tolerance of its distance
                const double size = length(p), by = reach * answerTolerance(size);
                return Point{float(p.x * (1 + by / size)), float(p.y * (1 + by / size))};
            };
            if (e.kind == ExerciseKind::OwnImage) { // R right of C at reach past the true radius
                const double by = truth.radius + reach * answerTolerance(truth.radius);
                run.practice.handles[0] = Point{float(truth.centre.x + by), float(truth.centre.y)};
            } else if (e.kind == ExerciseKind::ImageShape) {
                run.practice.choice = place == Untouched ? 0 : place == Within ? int(e.image) : int(e.image) % 4 + 1;
            } else if (place != Untouched) {
                run.practice.handles[0] = away(truth.point);
                const Point c = run.practice.handles[0];
                run.practice.handles[1] = Point{float(c.x + truth.radius), c.y};
            }
            const bool right = place == Within;
            const std::string verdict = run.key('\r');
            SCOPED_TRACE(testing::Message() << "exercise " << i + 1 << ", try " << t + 1 << ": " << verdict);
            EXPECT_EQ(verdict.rfind(right ? "Tacno.\n" : "Netacno: ", 0), 0u);
            // The true answer is drawn, in red, at the second wrong check alone; the view stays.
            const Picture picture = practicePicture(run.practice);
            const bool red = std::any_of(picture.shapes.begin(), picture.shapes.end(),
                                         [](const Shape& s) { return s.role == Role::Image; });
            EXPECT_EQ(red, !right && t == 1);
            const Camera start = startView();
            EXPECT_EQ(std::memcmp(&run.practice.view, &start, sizeof(Camera)), 0);
            if (i == 1 && t == 0) { // P' outside the true one on the ray OP, inside k: the product is off
                const double product = length(vec(e.first)) * length(vec(run.practice.handles[0]));
                EXPECT_EQ(verdict, "Netacno: |OP| * |OP'| = " + two(product) + ", a treba 25.\n");
            }
            if (!right && t == 1 && e.kind != ExerciseKind::ImageShape) {
                const std::string answer = e.kind == ExerciseKind::PointOfImage ? named("P", truth.point)
                                           : e.kind == ExerciseKind::CircleFoot ? named("F", truth.point)
                                                                                : named("P'", truth.point);
                EXPECT_EQ(verdict.substr(verdict.size() - answer.size() - 17), " Tacan odgovor: " + answer + "\n");
            }
            summary = verdict;
        }
        total += rows[i].points;
        halves += char('0' + int(rows[i].points * 2));
        EXPECT_EQ(practiceRecord(run.practice), "1~" + halves);
        if (i == 2) { // a later visit resumes at the fourth with the points of three
            Student later("9");
            Effects resumed;
            ASSERT_TRUE(resumePractice(later.practice, practiceRecord(run.practice), resumed));
            EXPECT_EQ(resumed.printed, expectedPrompt(e_of(1, 3), 3) + "\n");
            EXPECT_EQ(practiceRecord(later.practice), "1~" + halves);
        }
        run.key(' ');
    }
    std::string expected = "Tacno.\nRezultat: " + std::to_string(int(total)) + " od 8 poena (" +
                           std::to_string(int(std::floor(total * 100 / 8 + 0.5))) + " %).\n";
    for (int i = 0; i < exerciseCount; ++i) {
        char line[40];
        std::snprintf(line, sizeof line, "Zadatak %d: %g %s\n", i + 1, rows[i].points,
                      rows[i].points == 1 ? "poen" : "poena");
        expected += line;
    }
    EXPECT_EQ(summary, expected + "Skup zadataka: 1.\n");
    // A visit after the last verdict shows the score again; what no record holds changes nothing.
    Student later;
    Effects resumed;
    ASSERT_TRUE(resumePractice(later.practice, practiceRecord(run.practice), resumed));
    EXPECT_EQ(resumed.printed, expectedPrompt(e_of(1, 7), 7) + "\n" + summary.substr(7));
    for (const char* record : {"", "1~", "~2", "0~2", "10000~2", "1~3", "1~222222222", "1~2 ", "x~1", "12"}) {
        Effects none;
        EXPECT_EQ(resumePractice(later.practice, record, none), std::string(record) == "1~") << record;
    }
}

TEST(Practice, OpensTheSetItsOptionNamesOrElseTheFirst) {
    const struct {
        const char* text;
        int number;
    } rows[] = {{"1", 1}, {"17", 17}, {"9999", 9999}, {"0017", 17}, {"0", 0},  {"10000", 0},
                {"", 0},  {"+5", 0},  {"-3", 0},      {"5x", 0},    {" 5", 0}, {"99999999999", 0}};
    for (const auto& row : rows) {
        EXPECT_EQ(readSetNumber(row.text), row.number) << row.text;
    }
    Student wrong("10000");
    const std::string first = wrong.printed.substr(0, wrong.printed.find('\n') + 1);
    EXPECT_EQ(first.rfind("Greska: '10000'", 0), 0u) << first;
    EXPECT_EQ(wrong.printed.substr(first.size()), expectedPrompt(exerciseSet(1)[0], 0) + "\n");
}

TEST(FigureLink, ReadsBackWhatItWrites) {
    EXPECT_EQ(figureLinkText(startFigure(FigureKind::PointFigure), startView(), 0), "tacka~2,2~v0,0,32~s0");
    const struct {
        GivenFigure figure;
        Camera view;
        int steps;
    } rows[] = {
        {startFigure(FigureKind::LineFigure), zoomAbout(startView(), {1, 1}, 1e-9), 2}, // zoomed out to the farthest
        {{FigureKind::CircleFigure, {0.1f, -1 / 3.0f}, {1e-7f, 123456.7f}}, zoomAbout(startView(), {0.3f, -7}, 1e9), 9},
        {{FigureKind::AngleFigure, {-2.5f, 1e-30f}, {7, 1e5f}, {3.14159274f, -0.0f}},
         panned(startView(), {0, 0}, {1.7f, 2.9f}),
         3},
    };
    for (const auto& row : rows) {
        const std::string text = figureLinkText(row.figure, row.view, row.steps);
        EXPECT_EQ(text.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789.-,_=~"), std::string::npos) << text;
        const FigureLink link = readFigureLink(text);
        ASSERT_EQ(link.error, LinkError::None) << text << " at " << link.part;
        const GivenFigure& f = link.figure;
        EXPECT_TRUE(f.kind == row.figure.kind && f.first.x == row.figure.first.x && f.first.y == row.figure.first.y &&
                    f.second.x == row.figure.second.x && f.second.y == row.figure.second.y &&
                    f.third.x == row.figure.third.x && f.third.y == row.figure.third.y)
            << text;
        EXPECT_EQ(std::memcmp(&link.view, &row.view, sizeof(Camera)), 0) << text;
        EXPECT_EQ(link.steps, row.steps);
    }
    // Floats of every size within reach, each read back exactly.
    for (std::uint32_t i = 1; i < 4000; ++i) {
        float x = 0;
        const std::uint32_t bits = i * 2654435761u;
        std::memcpy(&x, &bits, sizeof x);
        if (std::isfinite(x) && std::fabs(x) <= linkReach) {
            const GivenFigure p{FigureKind::PointFigure, {x, -x}, {x, -x}};
            EXPECT_EQ(readFigureLink(figureLinkText(p, startView(), 0)).figure.first.x, x);
        }
    }
}

TEST(FigureLink, RefusesWhatNoLinkWrites) {
    const struct {
        const char* text;
        LinkError error;
        const char* part;
    } rows[] = {
        {"", LinkError::Parts, ""},
        {"tacka~2,2~v0,0,32", LinkError::Parts, "tacka~2,2~v0,0,32"},
        {"tacka~2,2~v0,0,32~s0~x", LinkError::Parts, "~x"},
        {"kvadrat~2,2~v0,0,32~s0", LinkError::Kind, "kvadrat"},
        {"Tacka~2,2~v0,0,32~s0", LinkError::Kind, "Tacka"},
        {"tacka~2,+2~v0,0,32~s0", LinkError::Number, "+2"},
        {"tacka~2, 2~v0,0,32~s0", LinkError::Number, " 2"},
        {"tacka~.5,2~v0,0,32~s0", LinkError::Number, ".5"},
        {"tacka~2.,2~v0,0,32~s0", LinkError::Number, "2."},
        {"tacka~2,nan~v0,0,32~s0", LinkError::Number, "nan"},
        {"tacka~2,1e39~v0,0,32~s0", LinkError::Number, "1e39"},
        {"tacka~2,2e6~v0,0,32~s0", LinkError::Number, "2e6"},
        {"tacka~2,2e~v0,0,32~s0", LinkError::Number, "2e"},
        {"tacka~2,2,~v0,0,32~s0", LinkError::Number, ""},
        {"tacka~2,2~v0,0,1x~s0", LinkError::Number, "1x"},
        {"tacka~2~v0,0,32~s0", LinkError::Points, "2"},
        {"prava~1,1,1,1~v0,0,32~s0", LinkError::Points, "1,1,1,1"},
        {"ugao~0,0,1,1,0,0~v0,0,32~s0", LinkError::Points, "0,0,1,1,0,0"},
        {"tacka~2,2~0,0,32~s0", LinkError::View, "0,0,32"},
        {"tacka~2,2~v0,0~s0", LinkError::View, "v0,0"},
        {"tacka~2,2~v0,0,0~s0", LinkError::View, "v0,0,0"},
        {"tacka~2,2~v0,0,-32~s0", LinkError::View, "v0,0,-32"},
        {"tacka~2,2~v0,0,1300~s0", LinkError::View, "v0,0,1300"},
        {"tacka~2,2~v0,0,32~s10", LinkError::Steps, "s10"},
        {"tacka~2,2~v0,0,32~k0", LinkError::Steps, "k0"},
        {"tacka~2,2~v0,0,32~s0 ", LinkError::Steps, "s0 "},
    };
    for (const auto& row : rows) {
        const FigureLink link = readFigureLink(row.text);
        EXPECT_EQ(link.error, row.error) << row.text;
        EXPECT_EQ(link.part, row.part) << row.text;
    }
}

TEST(FigureLink, TheExplorersKeyLPrintsWhatItsOptionOpens) {
    inversionRadius = 5.0f;
    Explorer shown;
    startExplorer(shown);
    const auto send = [&shown](InputEvent event) { return handleEvent(shown, event).printed; };
    for (char k : {'3', 'k', 'k', '+'}) {
        send(InputEvent{InputEvent::Key, 0, 0, 0, k});
    }
    send(InputEvent{InputEvent::Arrow, 0, 0, 0, 0, 1});
    const std::string line = send(InputEvent{InputEvent::Key, 0, 0, 0, 'l'});
    const std::string page = "inversion_explorer.html#";
    ASSERT_EQ(line.rfind(page, 0), 0u) << line;
    Explorer opened;
    const std::string printed =
        openExplorerLink(opened, line.substr(page.size(), line.size() - page.size() - 1)).printed;
    EXPECT_EQ(printed, std::string(circleMissesCentreText) + "\n");
    EXPECT_EQ(std::memcmp(&currentFigure(opened), &currentFigure(shown), sizeof(GivenFigure)), 0);
    EXPECT_EQ(std::memcmp(&opened.view, &shown.view, sizeof(Camera)), 0);
    EXPECT_EQ(opened.steps, 2);
    // A text that is no link: one line that names the part at fault, then the explorer as it starts.
    Explorer fresh;
    const std::string start = startExplorer(fresh).printed;
    for (const char* text : {"krug~2,2,4,2~v0,0,32", "kvadrat~2,2~v0,0,32~s0", "tacka~2,nan~v0,0,32~s0",
                             "krug~2,2,2,2~v0,0,32~s0", "tacka~2,2~v0,0,0~s0", "tacka~2,2~v0,0,32~s10"}) {
        Explorer e;
        const std::string out = openExplorerLink(e, text).printed;
        const std::string first = out.substr(0, out.find('\n') + 1);
        EXPECT_EQ(first.rfind("Greska: ", 0), 0u) << out;
        EXPECT_NE(first.find("'" + readFigureLink(text).part + "'"), std::string::npos) << out;
        EXPECT_EQ(out.substr(first.size()), start) << text;
        EXPECT_EQ(e.current, FigureKind::PointFigure);
    }
}
