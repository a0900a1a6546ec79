#pragma once

class QComboBox;

// Keeps the pocket list's tooltip saying what the pocket value of its
// selected entry means to the games, in the core's words.
void ExplainPocketList(QComboBox& list);
