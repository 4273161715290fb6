// The number choices of the project editor's combo boxes: 3-character items
// (" 7 ", " 12") that move between the boxes as vertices and observations
// come and go. A box keeps its numbers in ascending numeric order.
#pragma once

#include <string>

class QComboBox;

namespace ombrel {

// Items 1 ... last, nothing chosen.
void FillNumberChoices(QComboBox* box, int last);
// Puts the item back in its numeric place; an item already there stays once.
void AddNumberChoice(QComboBox* box, const std::string& item);
// Takes the item out; when it was the chosen one nothing stays chosen, so
// that no other number is picked for the person.
void RemoveNumberChoice(QComboBox* box, const std::string& item);

bool HasChoice(const QComboBox* box);
std::string ChoiceText(const QComboBox* box);
// Chooses the item, or nothing when the box does not hold it.
void Choose(QComboBox* box, const std::string& item);

// Lets the person type a number into the box, closed or open: the digits
// typed in quick succession choose the item of that number (or, while no
// item has it, the first whose number starts with them), as choosing it
// with the mouse does. The items' leading blank would defeat the box's own
// search by the first letters. Installing twice changes nothing.
void AcceptTypedNumbers(QComboBox* box);

}  // namespace ombrel
