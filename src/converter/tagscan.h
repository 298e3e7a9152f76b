#pragma once

#include <QStringView>

#include <initializer_list>
#include <vector>

// Finds where tags stand in a text. Every tag starts with "[" and holds no
// other "[", so one sweep over the "[" characters finds all of them.
namespace TagScan {

// What a sweep notes besides the tags: every "]", or the CR of every CR LF.
enum class Marks { None, Brackets, LineBreaks };

// For each tag its positions, and the positions of the marks, in ascending order.
struct Found
{
    std::vector<std::vector<qsizetype>> tags;
    std::vector<qsizetype> marks;
};

Found find(QStringView text, std::initializer_list<QStringView> tags, Marks marks = Marks::None);

std::vector<qsizetype> findCharacter(QStringView text, QChar character);

} // namespace TagScan
