// lesson_test.cpp
// What the lesson of the applications adds to their geometry, driven by events as its program drives it: the
// positions a drag or a key reaches keep the geometry, a stop and a case are said once, n stops at its ends, i, r and
// the state kept by each application, and one release line per release.
#include "applications/lesson.h"
#include "explorer/snapping.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <utility>

namespace {

// Geometry that holds in doubles, and a pixel's worth of scene units where a pointer lands on a pixel.
constexpr double tolerance = 1e-9;
const double pixel = unitsPerPixel(firstView(Application::Peaucellier), windowHeight);

std::string line(Sentence sentence) {
    return say(sentence, Language::Plain) + "\n";
}

// The lesson driven by events, at its first views, in a figure of 1024 x 700 pixels.
struct Session {
    Lesson lesson;
    std::string printed;

    Session() : printed(startLesson(lesson).printed) {}
    const Camera& view() const { return lesson.shown[int(lesson.current)].view; }
    void send(InputEvent event) { printed += handleEvent(lesson, event).printed; }
    // The pixel nearest to the scene point.
    InputEvent at(InputEvent::Kind kind, PlanePoint q) const {
        const double perPixel = unitsPerPixel(view(), windowHeight);
        return InputEvent{kind, int(std::lround((q.x - view().cx) / perPixel + windowWidth / 2.0 - 0.5)),
                          int(std::lround(windowHeight / 2.0 - 0.5 - (q.y - view().cy) / perPixel))};
    }
    // A drag from a handle to a point in four moves.
    void drag(int handle, PlanePoint to) {
        const PlanePoint from = handlePoint(lesson, handle);
        send(at(InputEvent::Press, from));
        for (int i = 1; i <= 4; ++i) {
            send(at(InputEvent::Move, from + (i / 4.0) * (to - from)));
        }
        send(at(InputEvent::Release, to));
    }
    void keys(const std::string& typed) {
        for (char c : typed) {
            InputEvent event;
            event.key = c;
            send(event);
        }
    }
    void arrow(int dx, int dy, bool shift = false) {
        InputEvent event{InputEvent::Arrow};
        event.dx = dx;
        event.dy = dy;
        event.shift = shift;
        send(event);
    }
    std::string take() { return std::exchange(printed, ""); }
};

// How many times the text holds the piece.
int count(const std::string& text, const std::string& piece) {
    int found = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos; at = text.find(piece, at + 1)) {
        ++found;
    }
    return found;
}

struct Row {
    const char* what;
    std::function<void(Session&)> act;
    std::string said; ///< the sentences printed besides the release lines, in order
    int releases;     ///< release lines printed
};

// Each row acts on the session left by the rows before it and says what it prints; after each, the table's own
// check of the geometry.
void run(Session& s, const std::vector<Row>& rows, const std::string& release,
         const std::function<void(const Session&, const char*)>& check) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        row.act(s);
        std::string printed = s.take();
        EXPECT_EQ(count(printed, release), row.releases) << printed;
        std::string said;
        for (std::size_t at = 0, end; at < printed.size(); at = end + 1) {
            end = printed.find('\n', at);
            const std::string line = printed.substr(at, end + 1 - at);
            said += line.find(release) == std::string::npos ? line : "";
        }
        EXPECT_EQ(said, row.said);
        check(s, row.what);
    }
}

TEST(Lesson, TheInversorsDIsBsImageOnItsPathWhereverItsHandlesAreMovedAndItsStopsAreSaidOnce) {
    Session s;
    EXPECT_EQ(s.take(), line(Sentence::LinkageLine));
    const double farthest = 7.0 + std::sqrt(24.0); // |OD| with O, A and D in a line
    const std::vector<Row> rows{
        {"D dragged to (5, 1)",
         [](Session& s) {
             s.drag(1, {5, 1});
         },
         "", 1},
        {"n chooses D, Up three tenths", [](Session& s) { s.keys("n"), s.arrow(0, 1), s.arrow(0, 1), s.arrow(0, 1); },
         "", 3},
        {"D dragged far up: stopped at full stretch",
         [](Session& s) {
             s.drag(1, {5, 40});
         },
         line(Sentence::LinkageStopped), 1},
        {"Up at the stop: not said again", [](Session& s) { s.arrow(0, 1); }, "", 1},
        {"B a unit back with Shift, then dragged towards O: stopped again",
         [](Session& s) {
             s.keys("nn"), s.arrow(-1, 0, true), s.drag(0, {0.3, 0.5});
         },
         line(Sentence::LinkageStopped), 2},
        {"r, then Q moved off: D runs on a circle",
         [](Session& s) {
             s.keys("r"), s.drag(2, {2, 0.5});
         },
         line(Sentence::LinkageLine) + line(Sentence::LinkageCircle), 1},
        {"Q a tenth right, then dragged near the circle through O",
         [](Session& s) {
             s.keys("nn"), s.arrow(1, 0), s.drag(2, {2.5 + 3 * pixel, 0});
         },
         line(Sentence::LinkageLine), 2},
    };
    run(s, rows, "  |OB| * |OD| = 25.00", [&](const Session& s, const char* what) {
        const Inversor& inversor = s.lesson.figures.inversor;
        const InversorJoints joints = inversorJoints(inversor.b);
        EXPECT_NEAR(std::hypot(joints.b.x, joints.b.y) * std::hypot(joints.d.x, joints.d.y), 25.0, tolerance);
        if (s.lesson.shownCase == LessonCase::LinkageLine) {
            // Q on the circle of radius 2.5 about O, and D on the image of Q's circle: the line at right angles to OQ,
            // 25 / |2Q| = 5 from O.
            const double q = std::hypot(inversor.guide.x, inversor.guide.y);
            EXPECT_NEAR(q, 2.5, tolerance);
            EXPECT_NEAR((joints.d.x * inversor.guide.x + joints.d.y * inversor.guide.y) / q, 5.0, tolerance);
        }
        if (std::string(what).find("stop") != std::string::npos) {
            EXPECT_NEAR(std::hypot(joints.d.x, joints.d.y), farthest, tolerance);
        }
    });
}

TEST(Lesson, CKeepsToAbAndNStopsAtItsEnds) {
    Session s;
    s.take();
    s.keys("2");
    EXPECT_EQ(s.take(), line(Sentence::PappusChainCase));
    const std::vector<Row> rows{
        {"C dragged to 2",
         [](Session& s) {
             s.drag(0, {2, 1});
         },
         "", 1},
        {"C dragged past A",
         [](Session& s) {
             s.drag(0, {-3, 0});
         },
         "", 1},
        {"Right with Shift, and two tenths", [](Session& s) { s.arrow(1, 0, true), s.arrow(0, 1), s.arrow(1, 0); }, "",
         3},
        {"n up to 8 and no further", [](Session& s) { s.keys("]]]]]]]"); }, "", 5},
        {"n down to 1 and no further", [](Session& s) { s.keys("[[[[[[[[[["); }, "", 7},
        {"C dragged past B",
         [](Session& s) {
             s.drag(0, {14, 0});
         },
         "", 1},
    };
    const double cuts[] = {2.0, 0.5, 1.7, 1.7, 1.7, 9.5};
    int row = 0;
    run(s, rows, ", h / d = ", [&](const Session& s, const char*) {
        EXPECT_NEAR(s.lesson.figures.cut, cuts[row], row == 0 ? pixel : tolerance); // the first where the pointer lands
        ++row;
    });
    EXPECT_EQ(s.lesson.figures.chainCircle, 1);
}

// The circles of Steiner's chain each touch the outer circle from inside, the inner one from outside, and the next.
void expectClosedChain(const SteinerPicture& p) {
    const auto apart = [](PlanePoint a, PlanePoint b) { return std::hypot(a.x - b.x, a.y - b.y); };
    for (std::size_t j = 0; j < p.chain.size(); ++j) {
        const PlaneCircle& c = p.chain[j];
        const PlaneCircle& next = p.chain[(j + 1) % p.chain.size()];
        EXPECT_NEAR(apart(p.outer.centre, c.centre), p.outer.radius - c.radius, tolerance);
        EXPECT_NEAR(apart(p.inner.centre, c.centre), p.inner.radius + c.radius, tolerance);
        EXPECT_NEAR(apart(next.centre, c.centre), next.radius + c.radius, tolerance);
    }
}

TEST(Lesson, SteinersChainClosesWhereverItsHandlesTakeItAndNStopsAtItsEnds) {
    Session s;
    s.take();
    s.keys("3");
    EXPECT_EQ(s.take(), line(Sentence::SteinerChain));
    const std::vector<Row> rows{
        {"T dragged round the outer circle",
         [](Session& s) {
             s.drag(0, {-3, 3});
         },
         "", 1},
        {"T a tenth on, and a unit back", [](Session& s) { s.arrow(0, 1), s.arrow(-1, 0, true); }, "", 2},
        {"the inner circle's centre dragged away",
         [](Session& s) {
             s.drag(1, {-1, -2});
         },
         "", 1},
        {"n up to 20 and no further", [](Session& s) { s.keys("]]]]]]]]]]]]]]]]"); }, "", 14},
        {"the inner circle's centre onto O",
         [](Session& s) {
             s.drag(1, {2 * pixel, 0});
         },
         line(Sentence::SteinerConcentric), 1},
        {"n down to 3 and no further", [](Session& s) { s.keys("[[[[[[[[[[[[[[[[[[["); }, "", 17},
        {"C a tenth up", [](Session& s) { s.keys("n"), s.arrow(0, 1); }, line(Sentence::SteinerChain), 1},
    };
    run(s, rows, ": sin(180/n) = ", [](const Session& s, const char*) {
        expectClosedChain(steinerFigure(s.lesson.figures.steiner).given);
    });
    EXPECT_EQ(s.lesson.figures.steiner.count, 3);
}

TEST(Lesson, PtolemysSidesAreEqualOnTheCircleInOrderAndGreaterOffItOrOutOfOrder) {
    Session s;
    s.take();
    s.keys("4");
    EXPECT_EQ(s.take(), line(Sentence::PtolemyEquality));
    const std::vector<Row> rows{
        {"A dragged near the circle snaps onto it",
         [](Session& s) {
             s.drag(0, {3, 3 + 4 * pixel});
         },
         "", 1},
        {"B dragged off the circle",
         [](Session& s) {
             s.drag(1, {4.5, 1});
         },
         line(Sentence::PtolemyInequality), 1},
        {"B dragged back onto it",
         [](Session& s) {
             s.drag(1, {5.4, 1.8});
         },
         line(Sentence::PtolemyEquality), 1},
        {"B dragged past C onto the circle, leaving it on the way",
         [](Session& s) {
             s.drag(1, {3, -3});
         },
         line(Sentence::PtolemyInequality) + line(Sentence::PtolemyOtherOrder), 1},
        {"A, on the circle, down a tenth: off it", [](Session& s) { s.arrow(0, -1); },
         line(Sentence::PtolemyInequality), 1},
    };
    run(s, rows, ", AC * BO = ", [](const Session& s, const char*) {
        const PtolemyPoints& p = s.lesson.figures.ptolemy;
        const auto d = [](PlanePoint a, PlanePoint b) { return std::hypot(a.x - b.x, a.y - b.y); };
        const PlanePoint o{};
        const double sum = d(p.a, p.b) * d(p.c, o) + d(p.b, p.c) * d(p.a, o);
        const double product = d(p.a, p.c) * d(p.b, o);
        if (s.lesson.shownCase == LessonCase::PtolemyEquality) {
            EXPECT_NEAR(sum, product, tolerance);
        } else {
            EXPECT_GT(sum, product + 1e-6);
        }
    });
}

TEST(Lesson, EachApplicationKeepsItsStateUntilRAndItsStepsAndPicturesComeAndGo) {
    Session s;
    s.drag(1, {5, 2});
    s.keys("k2]i");
    EXPECT_EQ(s.lesson.shown[int(Application::Pappus)].inverted, true);
    s.keys("1");
    const double d = inversorJoints(s.lesson.figures.inversor.b).d.y;
    EXPECT_NEAR(d, 2.0, pixel);
    EXPECT_EQ(s.lesson.shown[0].steps, 1);
    s.take();
    // The steps one by one, each with its sentence, then cleared with nothing printed.
    s.keys("kkk");
    EXPECT_EQ(s.take(), line(Sentence::LinkageStep2) + line(Sentence::LinkageLineStep3));
    EXPECT_EQ(s.lesson.shown[0].steps, 0);
    // r puts the inversor back and leaves the arbelos as it was.
    s.keys("r");
    EXPECT_EQ(s.take(), line(Sentence::LinkageLine));
    EXPECT_NEAR(inversorJoints(s.lesson.figures.inversor.b).d.y, 3.75, tolerance);
    EXPECT_EQ(s.lesson.figures.chainCircle, startChainCircle + 1);
    s.keys("2r");
    EXPECT_EQ(s.lesson.figures.chainCircle, startChainCircle);
    EXPECT_FALSE(s.lesson.shown[int(Application::Pappus)].inverted);
    // i draws the column between two red lines in place of the arbelos; Ptolemy has no other picture.
    const auto imageLines = [&] {
        int lines = 0;
        for (const Shape& shape : lessonPicture(s.lesson).shapes) {
            lines += shape.kind == ShapeKind::Line && shape.role == Role::Image;
        }
        return lines;
    };
    EXPECT_EQ(imageLines(), 0);
    s.keys("i");
    EXPECT_EQ(imageLines(), 2);
    s.keys("4i");
    EXPECT_FALSE(s.lesson.shown[int(Application::Ptolemy)].inverted);
    // j speaks the next language: the case again, in Cyrillic.
    s.take();
    s.keys("j");
    EXPECT_EQ(s.take(), say(Sentence::PtolemyEquality, Language::Cyrillic) + "\n");
}

} // namespace
