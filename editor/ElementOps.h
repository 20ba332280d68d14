#pragma once

#include "EditState.h"

#include <string>

namespace pls::page {
class Element;
}

// Moving content as HTML fragments: text selections through the text clipboard, whole (double-clicked)
// elements through the element clipboard, and nudging or swapping page elements.

enum class Selected { Nothing = 0, Text = 1, Element = 2 };
enum class PasteFrom { TextClip = 0, TagClip = 1, SystemClipboard = 2 };
enum class Nudge { Left = 0, Up = 1, Right = 2, Down = 3 };
enum class MoveResult { Moved = 0, NothingSelected = 1, NotBlockOrPicture = 2, NoPartner = 3 };

Selected IfSelection(const EditState& state);
void Cut(EditState& state);
void Copy(EditState& state);
// `clipboardText` is the system clipboard's plain text, pasted as HTML as it stands; any mode outside the
// three only clears the selected element.
void Paste(EditState& state, int mode, const std::string& clipboardText);
void DeleteElement(EditState& state, pls::page::Element* element);
void ReplaceElemHTML(EditState& state, pls::page::Element* element, const std::string& html);
void AddNewElement(EditState& state, const std::string& html);
void MoveElementOneSpace(EditState& state, int mode);
// direction 1 forward, -1 back.
MoveResult MoveElementOneElement(EditState& state, int direction);
