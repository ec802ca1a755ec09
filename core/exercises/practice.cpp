// practice.cpp
// The exercises of a set one after the other: what each key and the pointer do, the verdicts and the summary they
// print, and what the figure shows.
#include "practice.h"

#include "circle_inversion.h"
#include "console.h"
#include "explorer/construction.h"
#include "explorer/snapping.h"
#include "inversion.h"
#include "vec.h"

#include <algorithm>
#include <cmath>

// ---- The texts ----

int readSetNumber(const std::string& text) {
    int number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return 0;
        }
        number = std::min(number * 10 + (c - '0'), lastSet + 1);
    }
    return number >= firstSet && number <= lastSet ? number : 0;
}

// The names the texts give the answer's handles, in the order of ExerciseKind; "" where there is none.
static const char* const answerNames[exerciseCount][2] = {
    {"P'", ""}, {"P'", ""}, {"P", ""}, {"F'", ""}, {"F", ""}, {"C'", "R'"}, {"", ""}, {"R", ""},
};

static const char* answerName(const Exercise& exercise, int handle) {
    return answerNames[int(exercise.kind)][handle];
}

// The ray from O on which the point placed lies, in the words after "na": P' and F on the rays OP and OC, P on OP',
// F' on the ray from O perpendicular to p.
static const Sentence& rayOf(ExerciseKind kind) {
    switch (kind) {
    case ExerciseKind::PointOfImage:
        return Sentence::RayOPImage;
    case ExerciseKind::LineFoot:
        return Sentence::RayToLine;
    case ExerciseKind::CircleFoot:
    case ExerciseKind::CircleImage:
        return Sentence::RayOC;
    default:
        return Sentence::RayOP;
    }
}

static const Sentence& choiceSentence(int choice) {
    static const Sentence* const choices[] = {&Sentence::ChoiceLineThroughCentre, &Sentence::ChoiceCircleThroughCentre,
                                              &Sentence::ChoiceCircleMissingCentre, &Sentence::ChoiceLineMissingCentre};
    return *choices[std::clamp(choice, 1, 4) - 1];
}

static std::string radiusText(const Exercise& exercise) {
    return decimalText(exercise.radius / 10.0, 2);
}

std::string promptText(const Exercise& exercise, int number, Language language) {
    const Point first = unitsOf(exercise.first);
    const std::string n = std::to_string(number), of = std::to_string(exerciseCount);
    switch (exercise.kind) {
    case ExerciseKind::PointInside:
    case ExerciseKind::PointOutside:
        return say(Sentence::PromptPointImage, language, {n, of, namedPointText("P", first)});
    case ExerciseKind::PointOfImage:
        return say(Sentence::PromptPointOfImage, language, {n, of, namedPointText("P'", first)});
    case ExerciseKind::LineFoot:
        return say(Sentence::PromptLineFoot, language,
                   {n, of, namedPointText("A", first), namedPointText("B", unitsOf(exercise.second))});
    case ExerciseKind::CircleFoot:
        return say(Sentence::PromptCircleFoot, language, {n, of, namedPointText("C", first)});
    case ExerciseKind::CircleImage:
        return say(Sentence::PromptCircleImage, language, {n, of, namedPointText("C", first), radiusText(exercise)});
    case ExerciseKind::OwnImage:
        return say(Sentence::PromptOwnImage, language, {n, of, namedPointText("C", first)});
    case ExerciseKind::ImageShape:
        break;
    }
    std::string object;
    switch (exercise.image) {
    case ImageChoice::LineThroughCentre:
    case ImageChoice::CircleThroughCentre:
        object = say(Sentence::ObjectLine, language,
                     {namedPointText("A", first), namedPointText("B", unitsOf(exercise.second))});
        break;
    case ImageChoice::LineMissingCentre:
        object = say(Sentence::ObjectCircleThroughCentre, language, {namedPointText("C", first)});
        break;
    case ImageChoice::CircleMissingCentre:
        object = say(Sentence::ObjectCircle, language, {namedPointText("C", first), radiusText(exercise)});
        break;
    }
    return say(Sentence::PromptImageShape, language, {n, of, object});
}

// What is wrong, in words: the fault the grader found, named for the exercise.
static std::string hintText(const Exercise& exercise, const Check& check, Language language) {
    const std::string name = answerName(exercise, 0);
    const std::string first = decimalText(check.quoted[0], 2);
    const bool own = exercise.kind == ExerciseKind::OwnImage;
    switch (check.hint) {
    case Hint::OppositeRay:
        return say(Sentence::HintOppositeRay, language, {name, say(rayOf(exercise.kind), language)});
    case Hint::OffRay:
        return say(Sentence::HintOffRay, language,
                   {name, say(rayOf(exercise.kind), language), decimalText(check.quoted[0], 1)});
    case Hint::WrongSideOfK:
        return say(check.quoted[0] < inversionRadius ? Sentence::HintInsideK : Sentence::HintOutsideK, language,
                   {name, name, first});
    case Hint::WrongProduct: {
        // |OG| * |OX| of the given point G and the point X placed; G is named where the prompt does not name it.
        const std::string square = trimmedDecimalText(check.quoted[1], 2);
        if (exercise.kind == ExerciseKind::LineFoot) {
            return say(Sentence::HintProduct, language, {"F", "F'", first, square}) + " " +
                   say(Sentence::HintFootOfPerpendicular, language);
        }
        if (exercise.kind == ExerciseKind::CircleFoot) {
            return say(Sentence::HintProduct, language, {"D", "F", first, square}) + " " +
                   say(Sentence::HintOppositePoint, language);
        }
        return say(Sentence::HintProduct, language, {"P", "P'", first, square});
    }
    case Hint::CentreIsImageOfCentre:
        return say(Sentence::HintCentreIsImageOfCentre, language);
    case Hint::CentreWrong:
        return say(Sentence::HintCentreWrong, language);
    case Hint::CircleTooSmall:
    case Hint::CircleTooLarge: {
        const bool small = check.hint == Hint::CircleTooSmall;
        if (!own) {
            return say(small ? Sentence::HintRadiusSmall : Sentence::HintRadiusLarge, language, {first});
        }
        const std::string square = trimmedDecimalText(double(inversionRadius) * inversionRadius, 2);
        return say(small ? Sentence::HintOwnSmall : Sentence::HintOwnLarge, language,
                   {first, decimalText(check.quoted[1], 2), square});
    }
    case Hint::ImageLineOrCircle:
        return say(Sentence::HintLineOrCircle, language);
    case Hint::ImageThroughCentre:
        return say(Sentence::HintThroughCentre, language);
    case Hint::None:
        break;
    }
    return say(Sentence::HintNoChoice, language);
}

// The true answer, in words, as the verdict after a second wrong check gives it.
static std::string answerText(const Exercise& exercise, Language language) {
    const std::array<Point, 2> truth = trueAnswer(exercise);
    switch (exercise.kind) {
    case ExerciseKind::CircleImage:
        return say(Sentence::AnswerCircle, language,
                   {namedPointText("C'", truth[0]), decimalText(distance(truth[0], truth[1]), 2)});
    case ExerciseKind::ImageShape:
        return say(choiceSentence(int(exercise.image)), language);
    case ExerciseKind::OwnImage:
        return say(Sentence::AnswerOwnImage, language,
                   {decimalText(distance(unitsOf(exercise.first), truth[0]), 2), namedPointText("R", truth[0])});
    default:
        return namedPointText(answerName(exercise, 0), truth[0]);
    }
}

static double totalPoints(const Practice& practice) {
    double total = 0.0;
    for (double p : practice.points) {
        total += p;
    }
    return total;
}

static std::string scoreText(const Practice& practice) {
    const double total = totalPoints(practice);
    return say(Sentence::Score, practice.language,
               {pointsText(total), std::to_string(exerciseCount), std::to_string(percentOfSet(total))});
}

static const Exercise& exerciseOf(const Practice& practice) {
    return practice.exercises[std::size_t(practice.current)];
}

static bool lastSettled(const Practice& practice) {
    return practice.settled && practice.current == exerciseCount - 1;
}

// The verdict on the last check, in the language spoken now: right; wrong with the hint; at the second wrong check
// with the true answer too.
static std::string verdictText(const Practice& practice) {
    const Exercise& exercise = exerciseOf(practice);
    const Language language = practice.language;
    if (practice.tries == 0) {
        return "";
    }
    if (practice.last.right) {
        return say(Sentence::Right, language);
    }
    const std::string hint = hintText(exercise, practice.last, language);
    return practice.answerShown ? say(Sentence::WrongWithAnswer, language, {hint, answerText(exercise, language)})
                                : say(Sentence::Wrong, language, {hint});
}

// ---- The events ----

namespace {

void announce(Practice& practice, Effects& effects, const std::string& text) {
    effects.announcement = text;
    practice.announcement = text;
}

int liveHandles(const Practice& practice) {
    return practice.settled ? 0 : answerHandles(exerciseOf(practice).kind);
}

// An exercise starts: its handles where they wait, nothing chosen, the view at its start, its prompt printed.
void startExercise(Practice& practice, Effects& effects, int index) {
    practice.current = index;
    practice.tries = 0;
    practice.settled = false;
    practice.handles = {answerStarts[0], answerStarts[1]};
    practice.choice = 0;
    practice.chosen = 0;
    practice.ring = false;
    practice.gesture = Gesture::Idle;
    practice.taken = -1;
    practice.last = Check{};
    practice.answerShown = false;
    practice.view = startView();
    const std::string prompt = promptText(exerciseOf(practice), index + 1, practice.language);
    printLine(effects, prompt);
    announce(practice, effects, prompt);
    effects.redraw = true;
}

// The score of the whole set, then each exercise's points and the set's number.
void printScore(const Practice& practice, Effects& effects) {
    const Language language = practice.language;
    printLine(effects, scoreText(practice));
    for (int i = 0; i < exerciseCount; ++i) {
        const double p = practice.points[std::size_t(i)];
        printLine(effects, say(p == 1.0 ? Sentence::PointsOne : Sentence::PointsMany, language,
                               {std::to_string(i + 1), pointsText(p)}));
    }
    printLine(effects, say(Sentence::SetNamed, language, {std::to_string(practice.set)}));
}

void check(Practice& practice, Effects& effects) {
    if (practice.settled) {
        return;
    }
    const Exercise& exercise = exerciseOf(practice);
    ++practice.tries;
    const bool chosen = exercise.kind != ExerciseKind::ImageShape || practice.choice != 0;
    const StudentAnswer answer{practice.handles[0], practice.handles[1], ImageChoice(std::max(practice.choice, 1))};
    practice.last = chosen ? checkAnswer(exercise, answer) : Check{};
    const bool right = practice.last.right;
    practice.settled = right || practice.tries == 2;
    practice.answerShown = !right && practice.settled;
    if (practice.settled) {
        practice.points[std::size_t(practice.current)] = exercisePoints(right && practice.tries == 1, right);
        practice.ring = false;
        practice.gesture = practice.gesture == Gesture::Dragging ? Gesture::Idle : practice.gesture;
    }
    const std::string verdict = verdictText(practice);
    printLine(effects, verdict);
    announce(practice, effects, verdict);
    effects.redraw = true;
    if (lastSettled(practice)) {
        printScore(practice, effects);
    }
}

// The handle moved to q, placed where it is put: nothing snaps here.
void placeHandle(Practice& practice, Effects& effects, int handle, Point q) {
    Point& at = practice.handles[std::size_t(handle)];
    if (at.x != q.x || at.y != q.y) {
        at = q;
        practice.moved = true;
        effects.redraw = true;
    }
}

void endMove(Practice& practice, Effects& effects, int handle) {
    announce(practice, effects,
             namedPointText(answerName(exerciseOf(practice), handle), practice.handles[std::size_t(handle)]));
}

void setRing(Practice& practice, Effects& effects, bool ring) {
    effects.redraw = effects.redraw || ring != practice.ring;
    practice.ring = ring;
}

Pointing pointing(const Practice& practice) {
    return Pointing{practice.view, practice.area, practice.cssScale, practice.finger};
}

Point pointer(const Practice& practice, const InputEvent& event) {
    return pointing(practice).inside(event.x, event.y);
}

// The handle nearest the pointer within grabPixels, or -1.
int handleUnder(const Practice& practice, Point q) {
    int nearest = -1;
    double best = grabPixels * pointing(practice).reach();
    for (int i = 0; i < liveHandles(practice); ++i) {
        const double apart = distance(q, practice.handles[std::size_t(i)]);
        if (apart <= best) {
            best = apart;
            nearest = i;
        }
    }
    return nearest;
}

void press(Practice& practice, const InputEvent& event) {
    practice.gesture = Gesture::Pressed;
    practice.pressX = event.x;
    practice.pressY = event.y;
    practice.taken = handleUnder(practice, pointer(practice, event));
    practice.takenFrom = practice.taken >= 0 ? practice.handles[std::size_t(practice.taken)] : Point{};
    practice.panFrom = pointing(practice).at(event.x, event.y);
    practice.moved = false;
}

bool leftThePress(const Practice& practice, const InputEvent& event) {
    return pointing(practice).leftThePress(practice.pressX, practice.pressY, event.x, event.y);
}

void move(Practice& practice, Effects& effects, const InputEvent& event) {
    if (practice.gesture == Gesture::Pressed && leftThePress(practice, event)) {
        practice.gesture = practice.taken >= 0 && !practice.settled ? Gesture::Dragging : Gesture::Panning;
    }
    if (practice.gesture == Gesture::Panning) {
        practice.view = panned(practice.view, practice.panFrom, pointing(practice).at(event.x, event.y));
        effects.redraw = true;
    } else if (practice.gesture == Gesture::Dragging) {
        placeHandle(practice, effects, practice.taken, pointer(practice, event));
    }
}

void release(Practice& practice, Effects& effects, const InputEvent& event) {
    const Gesture gesture = practice.gesture;
    practice.gesture = Gesture::Idle;
    if (practice.settled) {
        practice.taken = -1;
        return;
    }
    if (gesture == Gesture::Pressed && practice.taken < 0 && !leftThePress(practice, event) && practice.ring) {
        // A click away from the handles moves the chosen one there and keeps it chosen.
        placeHandle(practice, effects, practice.chosen, pointer(practice, event));
        endMove(practice, effects, practice.chosen);
    } else if (gesture == Gesture::Pressed && practice.taken >= 0) {
        // A click on a handle chooses it, with its ring.
        practice.chosen = practice.taken;
        setRing(practice, effects, true);
        endMove(practice, effects, practice.taken);
    } else if (gesture == Gesture::Dragging) {
        // A drag chooses the handle it moved, without the ring.
        placeHandle(practice, effects, practice.taken, pointer(practice, event));
        practice.chosen = practice.taken;
        setRing(practice, effects, !practice.moved);
        endMove(practice, effects, practice.taken);
    }
    practice.taken = -1;
}

// A second finger: the first finger's press meant the pinch, so a handle its drag has moved goes back.
void pinchStart(Practice& practice, Effects& effects, const InputEvent& event) {
    if (practice.gesture == Gesture::Dragging && practice.taken >= 0) {
        practice.handles[std::size_t(practice.taken)] = practice.takenFrom;
        effects.redraw = true;
    }
    practice.gesture = Gesture::Pinching;
    practice.taken = -1;
    practice.panFrom = pointing(practice).at(event.x, event.y);
}

// An arrow: the chosen handle, its coordinates rounded to the nearest tenth, moves by whole tenths.
void arrow(Practice& practice, Effects& effects, const InputEvent& event) {
    if (liveHandles(practice) == 0) {
        return;
    }
    const int step = event.shift ? 10 : 1;
    const Point at = practice.handles[std::size_t(practice.chosen)];
    const Point to{float((std::round(at.x * 10.0) + event.dx * step) / 10.0),
                   float((std::round(at.y * 10.0) + event.dy * step) / 10.0)};
    placeHandle(practice, effects, practice.chosen, to);
    setRing(practice, effects, true);
    endMove(practice, effects, practice.chosen);
}

void chooseNextHandle(Practice& practice, Effects& effects) {
    const int count = liveHandles(practice);
    if (count == 0) {
        return;
    }
    practice.chosen = (practice.chosen + 1) % count;
    practice.ring = true;
    effects.redraw = true;
    announce(practice, effects,
             say(Sentence::HandleChosen, practice.language,
                 {namedPointText(answerName(exerciseOf(practice), practice.chosen),
                                 practice.handles[std::size_t(practice.chosen)])}));
}

void key(Practice& practice, Effects& effects, char key) {
    switch (key) {
    case '\r':
    case '\n':
        check(practice, effects);
        return;
    case ' ':
        if (practice.settled && practice.current + 1 < exerciseCount) {
            startExercise(practice, effects, practice.current + 1);
        }
        return;
    case '1':
    case '2':
    case '3':
    case '4':
        if (exerciseOf(practice).kind == ExerciseKind::ImageShape && !practice.settled) {
            practice.choice = key - '0';
            effects.redraw = true;
            announce(practice, effects,
                     say(Sentence::ChoiceMade, practice.language,
                         {say(choiceSentence(practice.choice), practice.language)}));
        }
        return;
    case 'n':
        chooseNextHandle(practice, effects);
        return;
    case 'r':
        practice.points = {};
        startExercise(practice, effects, 0);
        return;
    case '+':
    case '=':
    case '-':
        zoomed(practice.view, pointing(practice), InputEvent{InputEvent::Key, 0, 0, 0, key});
        break;
    case '0':
        practice.view = startView();
        break;
    case 'f':
        practice.view = fitView(sceneBox(practicePicture(practice)), practice.area.width, practice.area.height);
        break;
    case 't':
        practice.bandShown = !practice.bandShown;
        break;
    case 'j':
        effects = choosePracticeLanguage(practice, nextLanguage(practice.language));
        return;
    case 'h':
        printLine(effects, say(Sentence::ExercisesHelp, practice.language));
        practice.helpShown = true;
        break;
    case 's':
        effects.save = true;
        return;
    case 'q':
    case 27: // Escape
        effects.quit = true;
        return;
    default:
        return;
    }
    effects.redraw = true;
}

} // namespace

Effects openPractice(Practice& practice, const char* setOption) {
    Effects effects;
    const int number = setOption ? readSetNumber(setOption) : firstSet;
    if (number == 0) {
        printLine(effects,
                  say(Sentence::SetError, practice.language,
                      {setOption, std::to_string(firstSet), std::to_string(lastSet), std::to_string(firstSet)}));
    }
    practice.set = number == 0 ? firstSet : number;
    practice.exercises = exerciseSet(practice.set);
    practice.points = {};
    startExercise(practice, effects, 0);
    return effects;
}

int settledCount(const Practice& practice) {
    return practice.current + (practice.settled ? 1 : 0);
}

std::string practiceRecord(const Practice& practice) {
    std::string record = std::to_string(practice.set) + "~";
    for (int i = 0; i < settledCount(practice); ++i) {
        record += char('0' + int(practice.points[std::size_t(i)] * 2.0));
    }
    return record;
}

bool resumePractice(Practice& practice, const std::string& record, Effects& effects) {
    const std::size_t tilde = record.find('~');
    const std::string halves = tilde == std::string::npos ? "" : record.substr(tilde + 1);
    const int set = tilde == std::string::npos ? 0 : readSetNumber(record.substr(0, tilde));
    if (set == 0 || halves.size() > std::size_t(exerciseCount) ||
        halves.find_first_not_of("012") != std::string::npos) {
        return false;
    }
    practice.set = set;
    practice.exercises = exerciseSet(set);
    practice.points = {};
    for (std::size_t i = 0; i < halves.size(); ++i) {
        practice.points[i] = (halves[i] - '0') / 2.0;
    }
    const int done = int(halves.size());
    startExercise(practice, effects, std::min(done, exerciseCount - 1));
    if (done == exerciseCount) { // the whole set was done: its score again, as when it ended
        practice.settled = true;
        printScore(practice, effects);
    }
    return true;
}

Effects choosePracticeLanguage(Practice& practice, Language language) {
    Effects effects;
    practice.language = language;
    const std::string prompt = promptText(exerciseOf(practice), practice.current + 1, language);
    printLine(effects, prompt);
    announce(practice, effects, prompt);
    effects.redraw = true;
    return effects;
}

Effects handlePracticeEvent(Practice& practice, const InputEvent& event) {
    Effects effects;
    const bool helpBefore = practice.helpShown;
    practice.helpShown = false;
    switch (event.kind) {
    case InputEvent::Press:
        press(practice, event);
        break;
    case InputEvent::Move:
        move(practice, effects, event);
        break;
    case InputEvent::Release:
        release(practice, effects, event);
        break;
    case InputEvent::Wheel:
        effects.redraw = zoomed(practice.view, pointing(practice), event);
        break;
    case InputEvent::Key:
        key(practice, effects, event.key);
        break;
    case InputEvent::Arrow:
        arrow(practice, effects, event);
        break;
    case InputEvent::PinchStart:
        pinchStart(practice, effects, event);
        break;
    case InputEvent::Pinch:
        // The point held comes under the fingers' middle, and the view is magnified about it as they part.
        if (practice.gesture == Gesture::Pinching) {
            practice.view = panned(practice.view, practice.panFrom, pointing(practice).at(event.x, event.y));
            practice.view = zoomAbout(practice.view, practice.panFrom, event.factor);
            effects.redraw = true;
        }
        break;
    }
    effects.redraw = effects.redraw || helpBefore != practice.helpShown;
    return effects;
}

// ---- The figure ----

static void addLabel(Picture& picture, const char* name, Point at, Role role) {
    picture.labels.push_back(Label{name, at, role});
}

static void addPoint(Picture& picture, const char* name, Point at, Role role) {
    picture.shapes.push_back(dotShape(at, role));
    addLabel(picture, name, at, role);
}

// The line through a and b as the explorer draws a given line.
static Shape lineThrough(Point a, Point b, Role role) {
    return lineShape(spanView(Line{a, towards(a, b)}), role);
}

// What is given: the point, the line through A and B, or the circle about C, in blue.
static void addGiven(Picture& picture, const Exercise& exercise) {
    const GivenFigure given = givenFigure(exercise);
    const Point first = given.first;
    switch (exercise.kind) {
    case ExerciseKind::PointInside:
    case ExerciseKind::PointOutside:
        addPoint(picture, "P", first, Role::Given);
        return;
    case ExerciseKind::PointOfImage:
        addPoint(picture, "P'", first, Role::Given);
        return;
    case ExerciseKind::OwnImage:
        addPoint(picture, "C", first, Role::Given);
        return;
    default:
        break;
    }
    if (given.kind == FigureKind::LineFigure) {
        picture.shapes.push_back(lineThrough(first, given.second, Role::Given));
        addPoint(picture, "A", first, Role::Given);
        addPoint(picture, "B", given.second, Role::Given);
    } else {
        picture.shapes.push_back(circleShape(givenCircle(given), Role::Given));
        addPoint(picture, "C", first, Role::Given);
    }
}

// The circle or line that the handles fix, when they fix one: in LineFoot the circle on the diameter OF', in
// CircleFoot the line through F perpendicular to OF, in CircleImage the circle about C' through R', in OwnImage the
// circle about C through R.
static void addFixed(Picture& picture, const Exercise& exercise, const std::array<Point, 2>& at, Role role) {
    const Point first = at[0];
    switch (exercise.kind) {
    case ExerciseKind::LineFoot: {
        Shape circle = circleShape(Circle{scaled(first, 0.5), float(norm(first) / 2.0)}, role);
        circle.name = role == Role::Image ? nullptr : &Sentence::AidCircleOnOF;
        picture.shapes.push_back(circle);
        return;
    }
    case ExerciseKind::CircleFoot:
        if (norm(first) > 0.0) {
            picture.shapes.push_back(lineShape(spanView(Line{first, turned(towards(Point{}, first))}), role));
        }
        return;
    case ExerciseKind::CircleImage:
        picture.shapes.push_back(circleShape(Circle{first, float(distance(first, at[1]))}, role));
        return;
    case ExerciseKind::OwnImage: {
        const Point centre = unitsOf(exercise.first);
        picture.shapes.push_back(circleShape(Circle{centre, float(distance(centre, first))}, role));
        return;
    }
    default:
        return;
    }
}

Picture practicePicture(const Practice& practice) {
    const Exercise& exercise = exerciseOf(practice);
    const float r = inversionRadius;
    Picture picture;
    picture.shapes.push_back(circleShape(Circle{inversionCentre, r}, Role::K));
    picture.shapes.push_back(dotShape(inversionCentre, Role::Centre));
    addLabel(picture, "k", Point{0.0f, r}, Role::K);
    addLabel(picture, "O", inversionCentre, Role::Centre);
    addGiven(picture, exercise);
    const int handles = answerHandles(exercise.kind);
    // The student's answer, then the true one over it: the red shows where the answer was to be.
    addFixed(picture, exercise, practice.handles, Role::Construction);
    for (int i = 0; i < handles; ++i) {
        addPoint(picture, answerName(exercise, i), practice.handles[std::size_t(i)], Role::Construction);
    }
    if (practice.ring && practice.chosen < handles) {
        Shape ring = circleShape(Circle{practice.handles[std::size_t(practice.chosen)], ringRadius}, Role::Ring);
        ring.name = &Sentence::Ring;
        picture.shapes.push_back(ring);
    }
    if (practice.answerShown) {
        const std::array<Point, 2> truth = trueAnswer(exercise);
        if (exercise.kind == ExerciseKind::ImageShape) {
            const GivenFigure given = givenFigure(exercise);
            addFigureImage(picture, given, figureCase(given, r), r);
        } else {
            addFixed(picture, exercise, truth, Role::Image);
            for (int i = 0; i < handles; ++i) {
                addPoint(picture, answerName(exercise, i), truth[std::size_t(i)], Role::Image);
            }
        }
    }
    placePictureLabels(picture, unitsPerPixel(practice.view, practice.area.height),
                       figureLabelHeight(practice.area, practice.cssScale),
                       figureStrokeSizes(practice.area, practice.cssScale).dotSize);
    return picture;
}

std::vector<DrawnItem> practiceDrawList(const Practice& practice, bool forFile) {
    const FigureArea& area = practice.area;
    const Picture picture = practicePicture(practice);
    return drawList(picture,
                    forFile ? fileFrame(practice.view, area.width, area.height)
                            : windowFrame(practice.view, area.width, area.height),
                    arrowItems(picture, practice.view, area.width, area.height,
                               figureStrokeSizes(area, practice.cssScale).arrowScale,
                               figureLabelHeight(area, practice.cssScale)));
}

// ---- The band and the panel ----

std::string practicePanelText(const Practice& practice) {
    const Language language = practice.language;
    std::string text = promptText(exerciseOf(practice), practice.current + 1, language);
    if (practice.tries > 0) {
        text += "\n" + verdictText(practice);
    }
    if (lastSettled(practice)) {
        return text + "\n" + scoreText(practice) + " " + say(Sentence::StartAgain, language);
    }
    if (practice.tries == 0) {
        return text;
    }
    return text + "\n" + say(practice.settled ? Sentence::NextExercise : Sentence::TryAgain, language);
}

// The answer as it stands: the handles' places, or the choice, and the points so far.
static std::string answerNumbersText(const Practice& practice) {
    const Exercise& exercise = exerciseOf(practice);
    std::string text;
    if (exercise.kind == ExerciseKind::ImageShape) {
        text = practice.choice == 0 ? say(Sentence::HintNoChoice, practice.language)
                                    : say(Sentence::ChoiceMade, practice.language,
                                          {say(choiceSentence(practice.choice), practice.language)});
    }
    for (int i = 0; i < answerHandles(exercise.kind); ++i) {
        text += (i == 0 ? "" : "  ") + namedPointText(answerName(exercise, i), practice.handles[std::size_t(i)]);
    }
    return text + "  " + say(Sentence::PointsSoFar, practice.language, {pointsText(totalPoints(practice))});
}

std::vector<std::string> practiceBandLines(const Practice& practice, int width, const CharacterWidth& advance) {
    std::vector<std::string> lines = wrapText(practicePanelText(practice), width, advance);
    std::string help = say(Sentence::ExercisesHelp, practice.language);
    help.pop_back();
    const std::vector<std::string> texts =
        practice.helpShown ? std::vector<std::string>{help}
                           : std::vector<std::string>{answerNumbersText(practice),
                                                      say(Sentence::ExercisesBandKeys, practice.language)};
    for (const std::string& text : texts) {
        const std::vector<std::string> wrapped = wrapText(text, width, advance);
        lines.insert(lines.end(), wrapped.begin(), wrapped.end());
    }
    return lines;
}
