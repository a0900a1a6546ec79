# Headers that most sources of one kind include, each parsed once per
# program instead of once per source: they cost more to read than most of
# the sources that include them. Programs built with the same flags share
# one precompiled copy (REUSE_FROM); a program of its own kind lists them:
#   target_precompile_headers(TARGET PRIVATE ${KESTRUNE_GTEST_HEADERS})
set(KESTRUNE_STD_HEADERS <algorithm> <array> <cstdint> <filesystem> <functional> <optional> <span> <string>
    <string_view> <vector>)
set(KESTRUNE_GTEST_HEADERS <gtest/gtest.h> ${KESTRUNE_STD_HEADERS})
set(KESTRUNE_QT_WIDGETS_HEADERS <QAction> <QApplication> <QComboBox> <QFileDialog> <QLabel> <QLineEdit> <QMenuBar>
    <QMessageBox> <QPushButton> <QString> <QTableView> <QTimer> ${KESTRUNE_STD_HEADERS})
