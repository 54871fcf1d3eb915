#pragma once

#include "form.h"

#include <QString>

#include <array>

class AuswahlWindow;
class Roads;

// The selection window. Its controls hold the game settings that the other windows
// read, and its never-visible points box the points of the last game.
class FrmAuswahl : public FormOf<AuswahlWindow>
{
    Q_OBJECT

public:
    FrmAuswahl(Program &program, Roads &roads);

    // The game settings; an unloaded window reads as empty and ignores writes.
    QString vorname() const;
    void setVorname(const QString &text);
    QString name() const;
    void setName(const QString &text);
    QString punkte() const;
    void setPunkte(const QString &text);
    // optKlasse(k) selected: school year k + 1.
    bool klasse(int k) const;
    // chkRechenart(k) checked: 0 addition, 1 subtraction, 2 multiplication, 3 division.
    bool rechenart(int k) const;
    std::array<bool, 4> rechenarten() const;

protected:
    std::unique_ptr<FormWindow> createWindow() override;
    void Form_Load() override;

private:
    void optKlasse_Click(int index);
    void chkRechenart_Click(int index);
    void cmdOK_Click();
    void cmdReset_Click();
    void cmdAnleitung_Click();
    void cmdEnde_Click();

    void setRechenart(int index, bool checked);
    void setRechenartEnabled(int index, bool enabled);
    bool anyKlasse() const;

    Roads &m_roads;
};
