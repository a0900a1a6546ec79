#pragma once

#include <functional>
#include <string>
#include <string_view>

class QComboBox;
class QLineEdit;

// Keeps a field's tooltip saying what its current value means to the games,
// in the core's words, whether the user typed it or a Load put it there.
using DescribeText = std::function<std::string(std::string_view text)>;
// `also`, when given, is a box whose text the description reads too.
void ExplainTextBox(QLineEdit& box, const DescribeText& describe, QLineEdit* also = nullptr);
// For the pocket list, by the pocket value of its selected entry.
void ExplainPocketList(QComboBox& list);
