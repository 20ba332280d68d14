#pragma once

namespace pls::page {

// What an operation on the page did. Operations never throw; a refused step leaves the page as it was.
enum class DomResult {
    Ok,
    NothingToDo, // valid call that found nothing to change (an absent attribute, an empty range)
    Detached,    // the range or node is no longer part of a document
    NotAllowed,  // the change would break the tree (children for a void element, a sibling of the root)
    UnknownName, // an adjacent position, unit or command name that does not exist
    NoLayout,    // a layout question that the view could not answer
};

} // namespace pls::page
