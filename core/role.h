// role.h
// What a drawn object is in its figure. The palette (drawing.h) gives each role its colour.
#pragma once

/// The part a drawn object plays. Colours, dashes and the words of the description follow from it.
enum class Role {
    K,            ///< the circle of inversion, black
    Centre,       ///< O, black
    Given,        ///< the given figure and the handles that move it, blue
    Image,        ///< the image of the given figure, red
    Construction, ///< a step of the construction, dark green, dashed
    Ring,         ///< the ring round the chosen handle, black
    GivenArc,     ///< the arc that marks the angle between the given lines, blue
    ImageArc,     ///< the arc that marks the angle between their images, red
    Tangent,      ///< a tangent to an image at X', along a side of that arc, dark green, dashed
    Trace,        ///< the path a moving image point has covered, red, drawn as pieces that end in no dot
    Other,        ///< a record of the store of another colour: drawn in its own code
};
