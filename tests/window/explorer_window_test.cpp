// explorer_window_test.cpp
// The explorer driven as a student drives it, with real pointer and key events on the virtual display: its window,
// the construction of P's image and P's label, a drag of P and where the image lands, P dragged onto O, the line and
// the circle, and every byte it prints.
#include "case_texts.h"
#include "program_cases.h"
#include "x_session.h"

#include <X11/keysym.h>
#include <algorithm>
#include <cmath>
#include <map>
#include <sys/wait.h>

namespace {

// Where the scene point (x, y) lands in the frame.
Spot spotOf(const Image& frame, double x, double y) {
    return project(viewOf(explorerStart.figure, frame.width, frame.height), x, y);
}

// Drags with the left button from one scene point to another in a few steps, as a hand does.
void drag(Window window, const Image& frame, double fromX, double fromY, double toX, double toY) {
    dragPointer(window, spotOf(frame, fromX, fromY), spotOf(frame, toX, toY));
}

// Starts the explorer, in folder when given (where s saves), and waits for its window of that title; 0 when none
// appears.
Window startExplorer(ChildGuard& guard, const std::string& folder = "", const char* title = explorerTitle) {
    guard.child =
        startChild(programPath(explorerStart.name), {}, testScreen.name, true, ChildInput::AtEnd, false, folder);
    return waitForWindow(guard.child, 60.0, nullptr, title);
}

// Its starting figure, with the band taken away: false when it does not come.
bool startingFigure(Window window, Image* frame) {
    return waitForFrame(testDisplay, window, backgroundPixel, 60.0, frame) && hideBand(window, frame);
}

// Pixels of the colour anywhere in the frame.
int countColour(const Image& frame, Pixel colour) {
    return countNear(frame, Spot{frame.width / 2.0, frame.height / 2.0}, std::max(frame.width, frame.height), colour);
}

TEST(Explorer, DragsPOntoItsImageAndOntoOAndShowsTheLineAndTheCircle) {
    const ScratchDirectory directory;
    ChildGuard guard;
    const Window window = startExplorer(guard, directory.path);
    ASSERT_NE(window, 0u) << "no window appeared";
    const WindowPlace place = windowPlace(testDisplay, window);
    EXPECT_EQ((std::vector<int>{place.x, place.y, place.width, place.height}), (std::vector<int>{100, 50, 1024, 700}));
    Image frame;
    ASSERT_TRUE(startingFigure(window, &frame));
    expectFigure(frame, explorerStart.figure, "start");
    EXPECT_EQ(readOutput(guard.child, 0.0), explorerStart.text);

    // The construction of P(2, 2)'s image, three steps of four: T1 = P + sqrt(17) (-1, 1) / sqrt(2) lies on k
    // where the perpendicular at P meets it, and the tangent there runs on to P'(6.25, 6.25).
    movePointer(testDisplay, window, 10, 10);
    for (int i = 0; i < 3; ++i) {
        typeKey(testDisplay, 'k');
    }
    const std::string steps = "Korak 1: poluprava OP.\n"
                              "Korak 2: normala na OP u tacki P sece kruznicu k u tackama T1 i T2.\n"
                              "Korak 3: tangente kruznice k u tackama T1 i T2 seku se u tacki P'.\n";
    EXPECT_EQ(readText(guard.child, steps.size()), steps);
    const double h = std::sqrt(17.0 / 2.0);
    const Spot tangent = spotOf(frame, (2 - h + 6.25) / 2, (2 + h + 6.25) / 2);
    // The tangent is dashed: 8 pixels on, 5 off, so a box 9 pixels wide about a point of it holds some of a dash.
    frame = frameWhen(window, [&](const Image& f) { return countNear(f, tangent, 4, constructionPixel) > 0; });
    EXPECT_GT(countNear(frame, tangent, 4, constructionPixel), 0) << "no tangent at T1";
    // P's name, 17.5 pixels tall (2.5 % of 700), ends 6 pixels up and to the left of it, as the ray OP runs on up to
    // the right of it: blue in most rows there.
    const Spot p = spotOf(frame, 2, 2);
    int labelRows = 0;
    for (int dy = 4; dy <= 22; ++dy) {
        labelRows += countNear(frame, Spot{p.column - 13, p.row - dy}, 8, bluePixel) > 0;
    }
    EXPECT_GE(labelRows, 12) << "no label next to P";
    // Step 4, then the construction is cleared, with nothing printed.
    typeKey(testDisplay, 'k');
    typeKey(testDisplay, 'k');
    const std::string last = "Korak 4: P' je slika tacke P, jer je |OP| * |OP'| = r^2 = 25.\n";
    EXPECT_EQ(readText(guard.child, last.size()), last);
    frame = frameWhen(window, [](const Image& f) { return countColour(f, constructionPixel) == 0; });
    EXPECT_EQ(countColour(frame, constructionPixel), 0);

    const TableShape k = explorerStart.figure.shapes[0];
    const TableShape o = explorerStart.figure.shapes[1];
    // P(1, 3) stays inside k, so no case is printed; the image of (1, 3) is (2.5, 7.5).
    drag(window, frame, 2, 2, 1, 3);
    const std::string released = "P(1.00, 3.00)  P'(2.50, 7.50)  |OP| * |OP'| = 25.00\n";
    EXPECT_EQ(readText(guard.child, released.size()), released);
    const Spot image = spotOf(frame, 2.5, 7.5);
    frame = frameWhen(window, [&](const Image& f) { return countNear(f, image, 0, redPixel) > 0; });
    expectFigure(frame, {-8, -8, 8, 8, {k, o, dotShape(1, 3, bluePixel), dotShape(2.5, 7.5, redPixel)}}, "(1, 3)");

    // P' is a handle too: dragged onto (2, 6) it takes P to its image, 25 / 40 (2, 6) = (1.25, 3.75).
    drag(window, frame, 2.5, 7.5, 2, 6);
    const std::string imageDragged = "P(1.25, 3.75)  P'(2.00, 6.00)  |OP| * |OP'| = 25.00\n";
    EXPECT_EQ(readText(guard.child, imageDragged.size()), imageDragged);
    frame = frameWhen(window, [&](const Image& f) { return countNear(f, spotOf(f, 1.25, 3.75), 0, bluePixel) > 0; });
    expectFigure(frame, {-8, -8, 8, 8, {k, o, dotShape(1.25, 3.75, bluePixel), dotShape(2, 6, redPixel)}}, "P'");

    // At O there is no image: the sentence that says why once, nothing red, and P's dot covers O's.
    drag(window, frame, 1.25, 3.75, 0.02, -0.03);
    const std::string atCentre = std::string(pointAtCentreText) + "\n";
    EXPECT_EQ(readText(guard.child, atCentre.size()), atCentre);
    frame = frameWhen(window, [](const Image& f) { return countColour(f, redPixel) == 0; });
    EXPECT_EQ(countColour(frame, redPixel), 0);
    expectFigure(frame, {-8, -8, 8, 8, {k, dotShape(0, 0, blackPixel, true), dotShape(0, 0, bluePixel)}}, "at O");

    // The line x - 2y + 2 = 0 through A(2, 2) and B(0, 1), and the circle about C(2, 2) through R(4, 2): the
    // figures of two of the programs, whose images the table gives.
    movePointer(testDisplay, window, 10, 10);
    typeKey(testDisplay, '2');
    const ProgramCase& lineProgram = programGiving(lineShape(2, 2, -2, -1, bluePixel));
    const std::string lineText = std::string(lineProgram.text) + "\n";
    EXPECT_EQ(readText(guard.child, lineText.size()), lineText);
    frame = frameWhen(window, [&](const Image& f) { return countColour(f, bluePixel) > 600; });
    const TableShape lineImage = lineProgram.figure.shapes[1];
    expectFigure(
        frame,
        {-8,
         -8,
         8,
         8,
         {k, lineImage, lineShape(2, 2, -2, -1, bluePixel), o, dotShape(2, 2, bluePixel), dotShape(0, 1, bluePixel)}},
        "line");

    typeKey(testDisplay, '3');
    const ProgramCase& circleProgram = programGiving(circleShape(2, 2, 2, bluePixel));
    const std::string circleText = std::string(circleProgram.text) + "\n";
    EXPECT_EQ(readText(guard.child, circleText.size()), circleText);
    const TableShape circle = circleProgram.figure.shapes[1];
    const TableShape circleImage = circleProgram.figure.shapes[2];
    frame = frameWhen(window, [&](const Image& f) { return countColour(f, bluePixel) < 600; });
    expectFigure(frame,
                 {-8, -8, 8, 8, {k, circle, circleImage, o, dotShape(2, 2, bluePixel), dotShape(4, 2, bluePixel)}},
                 "circle");

    // C onto O: a circle about O (on the way it may pass through O, whose cases are printed too); then R onto k at
    // (4, -3): k itself, red over blue, and k draws no construction for it.
    drag(window, frame, 2, 2, 0.03, 0.02);
    drag(window, frame, 4, 2, 4, -3);
    const std::string stayPut = "Krug sa centrom u centru kruga k slika se u krug sa istim centrom; proizvod njihovih "
                                "poluprecnika je 25.\n"
                                "Krug k se slika sam u sebe: svaka njegova tacka je sama sebi slika.\n";
    std::string printed;
    for (int i = 0; i < 60 && printed.find(stayPut) == std::string::npos; ++i) {
        printed += readOutput(guard.child, 0.5);
    }
    EXPECT_EQ(printed.substr(printed.size() - std::min(printed.size(), stayPut.size())), stayPut);
    movePointer(testDisplay, window, 10, 10);
    typeKey(testDisplay, 'k');
    EXPECT_EQ(readOutput(guard.child, 0.5), "") << "k prints nothing for k itself";
    frame = frameWhen(window, [&](const Image& f) { return countNear(f, spotOf(f, 4, -3), 0, bluePixel) > 0; });
    expectFigure(
        frame, {-8, -8, 8, 8, {circleShape(0, 0, 5, redPixel), dotShape(0, 0, bluePixel), dotShape(4, -3, bluePixel)}},
        "k itself");
    EXPECT_LT(countColour(frame, bluePixel), 300) << "the blue circle shows beside the red one";
    EXPECT_EQ(countColour(frame, constructionPixel), 0);

    // X(1, 2), A dragged to (4, 0): 2x + 3y = 8 goes to the circle on the diameter from O to 25 / 8 (2, 3), x - 2y = -3
    // to the one to 25 / 3 (-1, 2), meeting at X'(5, 10); the cosine of the angle is 4 / sqrt(65): 60.255 degrees.
    typeKey(testDisplay, '4');
    const std::string angleText =
        "Inverzija cuva uglove: dve prave koje se seku u tacki X slikaju se u dva kruga (ili pravu kroz O) koji se "
        "seku u tacki X' i u centru O, pod istim uglom pod kojim se seku prave.\n";
    EXPECT_EQ(readText(guard.child, angleText.size()), angleText);
    drag(window, frame, 4, 2, 4, 0);
    const std::string angles = "Ugao u X: 60.3 stepeni, ugao u X': 60.3 stepeni\n";
    EXPECT_EQ(readText(guard.child, angles.size()), angles);
    const TableShape lineImage2 = circleShape(3.125, 4.6875, 25.0 / 16 * std::sqrt(13.0), redPixel);
    const Spot right = spotOf(frame, 3.125 + lineImage2.radius, 4.6875);
    frame = frameWhen(window, [&](const Image& f) { return countNear(f, right, 1, redPixel) > 0; });
    // clang-format off
    const std::vector<TableShape> twoLines{k, lineImage2,
        circleShape(-25.0 / 6, 25.0 / 3, 25.0 / 6 * std::sqrt(5.0), redPixel), lineShape(1, 2, 3, -2, bluePixel),
        lineShape(1, 2, 2, 1, bluePixel), o, dotShape(4, 0, bluePixel), dotShape(3, 3, bluePixel),
        dotShape(5, 10, redPixel)};
    // clang-format on
    expectFigure(frame, {-8, -8, 8, 8, twoLines}, "two lines");
    // The arc at X halves the angle between X + (3, -2) and X + (2, 1), 1.5 from X.
    const double bisector = std::atan2(-2.0, 3.0) / 2 + std::atan2(1.0, 2.0) / 2;
    EXPECT_GT(countNear(frame, spotOf(frame, 1 + 1.5 * std::cos(bisector), 2 + 1.5 * std::sin(bisector)), 2, bluePixel),
              0)
        << "no arc at X";

    // s saves the figure as shown, numbered so that a second press keeps the first; after a resize, at the new size.
    const std::string name = explorerStart.name;
    typeKey(testDisplay, 's');
    const std::string saved = "Sacuvano: " + name + "-1.svg, " + name + "-1.tex\n";
    EXPECT_EQ(readText(guard.child, saved.size()), saved);
    const Image resized = frameAtSize(guard.child, window, 900, 500);
    ASSERT_EQ(resized.width, 900) << "no frame at the new size";
    typeKey(testDisplay, 's');
    const std::string second = "Sacuvano: " + name + "-2.svg, " + name + "-2.tex\n";
    EXPECT_EQ(readText(guard.child, second.size()), second);
    EXPECT_EQ(directory.names(),
              (std::set<std::string>{name + "-1.svg", name + "-1.tex", name + "-2.svg", name + "-2.tex"}));
    // The files read back show the frames, the arcs and the labels (k, O, X, A, B, X' and the angles) included.
    const std::string svg = directory.path + "/" + name + "-";
    expectSameDrawing(frame, renderSvg(svg + "1.svg", directory.path + "/1.png"), "saved");
    EXPECT_NE(fileText(svg + "2.svg").find(R"(width="900" height="500")"), std::string::npos);
    expectSameDrawing(resized, renderSvg(svg + "2.svg", directory.path + "/2.png", 900, 500), "saved at 900 x 500");

    typeKey(testDisplay, 'q');
    int status = 0;
    ASSERT_TRUE(waitChild(guard.child, 20.0, &status)) << "q did not end it";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(readOutput(guard.child, 0.5), "") << "nothing more is printed";
}

// Every step of the constructions of the line, the circle and the circle through O draws something that the step
// before did not: each k changes the frame.
TEST(Explorer, EveryStepOfAConstructionChangesTheFrame) {
    ChildGuard guard;
    const Window window = startExplorer(guard);
    ASSERT_NE(window, 0u);
    Image frame;
    ASSERT_TRUE(startingFigure(window, &frame));
    // The line through A(2, 2) and B(0, 1); the circle about C(2, 2) through R(4, 2); that circle with R dragged
    // onto O.
    for (const std::string figure : {"line", "circle", "circle through O"}) {
        SCOPED_TRACE(figure);
        movePointer(testDisplay, window, 10, 10);
        typeKey(testDisplay, figure == "line" ? '2' : '3');
        typeKey(testDisplay, '0'); // the line's construction widened the view to F'(-12.5, 25): back to the start
        if (figure == "circle through O") {
            drag(window, frame, 4, 2, 0, 0);
        }
        readOutput(guard.child, 0.5);
        ASSERT_TRUE(waitForFrame(testDisplay, window, backgroundPixel, 60.0, &frame));
        movePointer(testDisplay, window, 10, 10);
        for (int step = 1; step <= 3; ++step) {
            typeKey(testDisplay, 'k');
            const Image next = frameWhen(window, [&](const Image& f) { return f.rgb != frame.rgb; });
            EXPECT_NE(next.rgb, frame.rgb) << "step " << step << " changed no pixel";
            frame = next;
        }
        EXPECT_NE(readOutput(guard.child, 0.5)
                      .find(figure == "line"     ? "OF'"
                            : figure == "circle" ? "D'E'"
                                                 : "normalna"),
                  std::string::npos);
    }
}

// Without dragging: Shift and the right arrow move P(2, 2) a unit, the left arrow a tenth back; a click on P chooses
// it and a click at (2, 4) moves it there, its image to 25 / 20 (2, 4) = (2.5, 5), as releases there would.
// F11 gives the whole screen. On a projector's 1920 x 1080 the lines are 3 pixels wide and the dots 8 across, where the
// first size has 1 and 4: the column through O crosses k's top in 3 black rows, and O's dot is 8 black pixels across.
TEST(Explorer, OnAProjectorItsLinesAndDotsGrow) {
    ChildGuard guard;
    const Window window = startExplorer(guard);
    ASSERT_NE(window, 0u) << "no window appeared";
    Image frame;
    ASSERT_TRUE(startingFigure(window, &frame));
    resizeWindow(testDisplay, window, 1920, 1080);
    const double deadline = now() + 30.0;
    while ((frame.width != 1920 || frame.height != 1080) && now() < deadline) {
        waitForFrame(testDisplay, window, backgroundPixel, 30.0, &frame);
    }
    ASSERT_EQ(frame.width, 1920);
    const auto blackRun = [&](int column, int row, bool down) {
        int run = 0;
        for (int i = -12; i <= 12; ++i) {
            const Pixel p = down ? pixelAt(frame, column, row + i) : pixelAt(frame, column + i, row);
            run += p.r == 0 && p.g == 0 && p.b == 0;
        }
        return run;
    };
    const Spot top = spotOf(frame, 0, 5), o = spotOf(frame, 0, 0);
    EXPECT_EQ(blackRun(int(top.column), int(top.row), true), 3) << "k's outline";
    EXPECT_EQ(blackRun(int(o.column), int(o.row), false), 8) << "O's dot";
    // The band again: its tallest line of text, from a dark row to the next row without ink, has the bars of
    // |OP| * |OP'|, the band's tallest glyphs, 28 pixels tall.
    typeKey(testDisplay, 't');
    const auto white = [](const Pixel& p) { return p.r == 255 && p.g == 255 && p.b == 255; };
    const auto tallestLine = [&](const Image& f) {
        int tallest = 0;
        for (int row = f.height - 1, ink = 0; row >= 0 && white(pixelAt(f, 0, row)); --row) {
            bool dark = false;
            for (int column = 0; column < f.width && !dark; ++column) {
                const Pixel p = pixelAt(f, column, row);
                dark = p.r < 128 && p.r == p.g && p.g == p.b;
            }
            ink = dark ? ink + 1 : 0;
            tallest = std::max(tallest, ink);
        }
        return tallest;
    };
    int tallest = 0;
    for (const double shown = now() + 30.0; tallest == 0 && now() < shown;) {
        pause(0.05);
        tallest = tallestLine(grabWindow(testDisplay, window));
    }
    EXPECT_GE(tallest, 28) << "the band's letters";
    // The line's image, a circle, is drawn twice as wide as k: over the columns it crosses, its most common
    // vertical run of red is 6 pixels (where it runs across).
    typeKey(testDisplay, '2');
    frame = frameWhen(window, [&](const Image& f) { return countNear(f, spotOf(f, 0, 0), 400, redPixel) > 2000; });
    std::map<int, int> runs;
    for (int column = 0; column < frame.width; ++column) {
        int run = 0;
        for (int row = 0; row < frame.height; ++row) {
            if (countNear(frame, Spot{double(column), double(row)}, 0, redPixel) > 0) {
                ++run;
            } else if (run > 0) {
                ++runs[run];
                run = 0;
            }
        }
    }
    const auto most = std::max_element(runs.begin(), runs.end(), [](auto a, auto b) { return a.second < b.second; });
    ASSERT_NE(most, runs.end()) << "no red";
    EXPECT_EQ(most->first, 6) << "the image's outline";
    // F11 fills the screen, and F11 again gives the window back (the band taken away again, as at the start).
    ASSERT_TRUE(hideBand(window, &frame));
    for (const bool full : {true, false}) {
        typeKey(testDisplay, XK_F11);
        const double until = now() + 30.0;
        while ((windowPlace(testDisplay, window).width > 1920) != full && now() < until) {
            pause(0.05);
        }
        EXPECT_EQ(windowPlace(testDisplay, window).width, full ? 2100 : 1920);
    }
}

TEST(Explorer, ArrowsAndTwoClicksMovePWithoutADrag) {
    const ScratchDirectory directory;
    ChildGuard guard;
    const Window window = startExplorer(guard, directory.path);
    ASSERT_NE(window, 0u) << "no window appeared";
    Image frame;
    ASSERT_TRUE(startingFigure(window, &frame));
    EXPECT_EQ(readOutput(guard.child, 0.0), explorerStart.text);
    typeKey(testDisplay, XK_Right, true);
    typeKey(testDisplay, XK_Left);
    const std::string keys = "P(3.00, 2.00)  P'(5.77, 3.85)  |OP| * |OP'| = 25.00\n"
                             "P(2.90, 2.00)  P'(5.84, 4.03)  |OP| * |OP'| = 25.00\n";
    EXPECT_EQ(readText(guard.child, keys.size()), keys);
    for (const Spot spot : {spotOf(frame, 2.9, 2), spotOf(frame, 2, 4)}) {
        movePointer(testDisplay, window, int(spot.column), int(spot.row));
        pressButton(testDisplay, 1, true);
        pressButton(testDisplay, 1, false);
    }
    const std::string clicks = "P(2.90, 2.00)  P'(5.84, 4.03)  |OP| * |OP'| = 25.00\n"
                               "P(2.00, 4.00)  P'(2.50, 5.00)  |OP| * |OP'| = 25.00\n";
    EXPECT_EQ(readText(guard.child, clicks.size()), clicks);
    const Spot image = spotOf(frame, 2.5, 5);
    frame = frameWhen(window, [&](const Image& f) { return countNear(f, image, 0, redPixel) > 0; });
    EXPECT_GT(countNear(frame, image, 0, redPixel), 0) << "no P' at (2.5, 5)";
    EXPECT_GT(countNear(frame, spotOf(frame, 2.3, 4), 1, blackPixel), 0) << "no ring, 0.3 about P";
}

} // namespace

namespace {

// The band's rows: white from the window's bottom edge up (the figure's background is never white).
Image bandOf(const Image& frame) {
    int top = frame.height;
    while (top > 0 && pixelAt(frame, 0, top - 1).r == 255 && pixelAt(frame, 0, top - 1).b == 255) {
        --top;
    }
    Image band{frame.width, frame.height - top, {}};
    band.rgb.assign(frame.rgb.begin() + std::ptrdiff_t(top) * frame.width * 3, frame.rgb.end());
    return band;
}

// The band with the lesson is under the figure from the start, and it follows the case; t takes it away. P at (0, 1)
// has its image (0, 25) above the view, where an arrow at the top edge points; f frames k, P and P' from y = -5 to 25
// with a twentieth to spare on each side, and P' comes into sight.
// Under a Serbian locale it speaks Cyrillic, in its band too; j three times brings the plain form, in other letters.
TEST(Explorer, BandFollowsTheLanguageAndTheCaseAndTheViewFitsTheImage) {
    ChildGuard guard;
    setenv("LANG", "sr_RS.UTF-8", 1);
    const Window window = startExplorer(guard, "", "Геометрија - истраживање инверзије");
    setenv("LANG", "C", 1);
    ASSERT_NE(window, 0u) << "no window appeared";
    EXPECT_EQ(readOutput(guard.child, 5.0),
              "Тачка P је унутар круга k, па је њена слика P' ван круга k, на полуправој OP.\n");
    Image frame = frameWhen(window, [](const Image& f) { return bandOf(f).height > 0; });
    movePointer(testDisplay, window, 10, frame.height - 10); // keys typed over the band are the figure's too
    const Image cyrillicBand = bandOf(frame);
    for (int i = 0; i < 3; ++i) {
        typeKey(testDisplay, 'j');
    }
    frame = frameWhen(window, [&](const Image& f) { return bandOf(f).rgb != cyrillicBand.rgb; });
    const Image pointBand = bandOf(frame);
    ASSERT_GT(pointBand.height, 88) << "no band of five lines";
    EXPECT_GT(countColour(pointBand, blackPixel), 1000) << "no text in the band";
    ASSERT_EQ(cyrillicBand.height, pointBand.height);
    int otherLetters = 0;
    for (std::size_t i = 0; i < pointBand.rgb.size(); i += 3) {
        otherLetters += cyrillicBand.rgb[i] != pointBand.rgb[i];
    }
    EXPECT_GT(otherLetters, 1000) << "the band drew the Cyrillic as the plain form";
    typeKey(testDisplay, '2');
    frame = frameWhen(window, [&](const Image& f) { return bandOf(f).rgb != pointBand.rgb; });
    const Image lineBand = bandOf(frame);
    ASSERT_EQ(lineBand.height, pointBand.height);
    int changed = 0;
    for (std::size_t i = 0; i < lineBand.rgb.size(); i += 3) {
        changed += lineBand.rgb[i] != pointBand.rgb[i];
    }
    EXPECT_GT(changed, 1000) << "the band kept the point's text";
    typeKey(testDisplay, 't');
    frame = frameWhen(window, [](const Image& f) { return bandOf(f).height == 0; });
    EXPECT_EQ(bandOf(frame).height, 0) << "t left the band";

    typeKey(testDisplay, '1');
    typeKey(testDisplay, XK_Left, true);
    typeKey(testDisplay, XK_Left, true);
    typeKey(testDisplay, XK_Down, true);
    const std::string moved = "P(0.00, 1.00)  P'(0.00, 25.00)  |OP| * |OP'| = 25.00\n";
    std::string printed;
    for (int i = 0; i < 60 && printed.find(moved) == std::string::npos; ++i) {
        printed += readOutput(guard.child, 0.5);
    }
    ASSERT_NE(printed.find(moved), std::string::npos);
    const Spot top{frame.width / 2.0, 16.0};
    frame = frameWhen(window, [&](const Image& f) { return countNear(f, top, 8, redPixel) > 0; });
    EXPECT_GT(countNear(frame, top, 8, redPixel), 0) << "no arrow towards P' at the top edge";

    typeKey(testDisplay, 'f');
    const double pixelsPerUnit = frame.height / (30.0 / 0.9);
    const Spot image{frame.width / 2.0, frame.height / 2.0 - (25.0 - 10.0) * pixelsPerUnit};
    frame = frameWhen(window, [&](const Image& f) { return countNear(f, image, 1, redPixel) > 0; });
    EXPECT_GT(countNear(frame, image, 1, redPixel), 0) << "f left P' out of the frame";
}

} // namespace
