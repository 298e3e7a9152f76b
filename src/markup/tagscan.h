#pragma once

#include <QStringView>

#include <initializer_list>
#include <vector>

// Finds where tags stand in a text. Every tag starts with "[" and holds no
// other "[", so one sweep over the "[" characters finds all of them.
namespace TagScan {

// For each tag, its positions in ascending order.
std::vector<std::vector<qsizetype>> find(QStringView text, std::initializer_list<QStringView> tags);

std::vector<qsizetype> findCharacter(QStringView text, QChar character);

// The positions of the CR of every CR LF.
std::vector<qsizetype> findLineBreaks(QStringView text);

} // namespace TagScan
