#pragma once

#include <QString>

#include <vector>

// What the preview does with each tag of a post: converts it, leaves it in the
// page as text, or fails on it. Read from a traced run of the converter, so
// the verdicts are the converter's own; only the words of the explanations are
// chosen here.
class TagVerdicts
{
public:
    enum class Verdict { Converted, LeftAsText, Fails };

    // One tag of the post: the twelve names in any letter case, opening or
    // closing, with or without a value, and list items "[*]". Positions count a
    // line break as two characters.
    struct Tag
    {
        qsizetype start = 0;
        qsizetype length = 0;      // the whole tag, value and "]" included when there is one
        qsizetype headLength = 0;  // "[url=" of "[url=http://x]", or the whole "[b]"
        qsizetype valueStart = -1; // -1: no value
        qsizetype valueLength = 0;
        Verdict verdict = Verdict::Converted;
        int errorNumber = 0; // for Fails
        QString message;     // for LeftAsText and Fails: what happens, how to write it instead
        // What the forum the post is written for does with the tag, where that is
        // worth saying (empty: nothing); noteWarns when it shows or reads the tag
        // otherwise than the preview. Set by a review after the analysis.
        QString note;
        bool noteWarns = false;

        friend bool operator==(const Tag &, const Tag &) = default;
    };

    static TagVerdicts analyse(const QString &post);

    // In ascending order of position.
    const std::vector<Tag> &tags() const { return m_tags; }
    // The error the preview fails with (0: it converts), and where.
    int errorNumber() const { return m_errorNumber; }
    qsizetype errorPosition() const { return m_errorPosition; }

private:
    std::vector<Tag> m_tags;
    int m_errorNumber = 0;
    qsizetype m_errorPosition = -1;
};
