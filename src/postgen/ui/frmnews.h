#pragma once

#include "postgen/fielddefinition.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

class QScrollArea;
class QTimer;
class QWidget;
class SkinButton;
class SkinLabel;
class SkinPanel;
class SkinShape;
class SkinTextBox;

// The post generator window: one labelled field per field definition of
// "tags.txt", built afresh at every load, and the template of "template.txt"
// that Create fills with the fields' texts. Changes of a field run the field
// rules; the automatic run drives the same window hidden through its timer.
class frmNews : public QDialog
{
    Q_OBJECT
public:
    explicit frmNews(QWidget *parent = nullptr);

    // Reads both files and builds the fields; once per window, which is made
    // afresh for every use. A failure is reported as "News_Load" and leaves
    // what was built before it.
    void Form_Load();

    // The number of the failure the last load reported, 0 when it had none.
    int loadError() const { return m_loadError; }
    // The fields in use: 0 when the definitions could not be loaded and the
    // window shows only its design field.
    int fieldCount() const;
    const QList<FieldDefinition> &definitions() const { return m_definitions; }
    QString templateText() const { return m_templateText; }

    SkinPanel *picContainer() const { return m_picContainer; }
    SkinTextBox *txtField(int index) const { return m_fields.value(index); }
    SkinLabel *lblCaption(int index) const { return m_captions.value(index); }
    SkinButton *cmdOK() const { return m_cmdOK; }
    SkinButton *cmdCancel() const { return m_cmdCancel; }
    QTimer *tmrAuto() const { return m_tmrAuto; }
    // Set when the fields did not fit on the screen and scroll.
    QScrollArea *fieldArea() const { return m_fieldArea; }

    // Field texts with CR LF line breaks.
    QString fieldText(int index) const;
    QStringList fieldTexts() const;
    // Sets a field as typing would: the field rules run.
    void setFieldText(int index, const QString &text);

    // The template filled with the fields' texts; empty without fields.
    // Throws WuxoError 7 for a post too large to hold.
    QString filledTemplate() const;
    // The post that Create made, once the window was accepted.
    QString createdPost() const { return m_createdPost; }

    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildFields();
    void placeFields(int maxClientHeight);
    void txtField_Change(int index);
    void txtField_KeyPress(int index);
    void writeBack(int changed, const QStringList &texts, int caret, bool completed);
    SkinLabel *addCaption(QWidget *parent);
    SkinTextBox *addField(QWidget *parent);

    QList<FieldDefinition> m_definitions;
    QString m_templateText;
    QString m_createdPost;
    int m_loadError = 0;
    bool m_fieldsBuilt = false;
    bool m_applyingRules = false;
    QStringList m_lastTexts;

    SkinPanel *m_picContainer = nullptr;
    SkinShape *m_shpHeaders = nullptr;
    SkinLabel *m_lblHeaders = nullptr;
    SkinShape *m_shpButtons = nullptr;
    SkinButton *m_cmdOK = nullptr;
    SkinButton *m_cmdCancel = nullptr;
    QTimer *m_tmrAuto = nullptr;
    QScrollArea *m_fieldArea = nullptr;
    QList<SkinLabel *> m_captions;
    QList<SkinTextBox *> m_fields;
};
