#pragma once
// The framework's description calculator (see calcdescrvar.h for what it
// offers): registered under QELTA_DESCRVARIANTI.CLSFW_CALCDESCRVAR. It has
// no window of its own.

#include <memory>
#include <string>
#include <vector>

#include "descriptions/calcdescrvar.h"

namespace descriptions {

class Composer;

class CLSFW_CALCDESCRVAR : public CalcDescrVar {
public:
    CLSFW_CALCDESCRVAR();
    ~CLSFW_CALCDESCRVAR() override;

    void CalcolaDescrizioneOpzione() override;
    void UpdateDescrizioneOpzione() override;
    void DuplicaScorteUbicazioniOpzione() override;
    int Stato() const override;
    std::string DescrizioneArticoloOpzione() const override;

    void Attach(framework::Cinterface* component, db::Connection* connection,
                const std::string& connectionString, const std::string& company) override;
    void SetLingua(const std::string& language) override;
    void SetSelezione(const std::string& condition) override { condizione_ = condition; }
    void Genera() override;
    db::Recordset* Risultato() override { return risultato_.get(); }
    void SetProgresso(controls::ProgressPanel* progress) override { progresso_ = progress; }
    void SetControlloValidita(bool check) override { validita_ = check; }
    void Componi() override;
    void SelezionaRighe(int mode) override;
    void SetTutteLingue(bool all) override { tutteLingue_ = all; }
    void SetSovrascrivi(bool overwrite) override { sovrascrivi_ = overwrite; }
    void Memorizza() override;
    std::vector<RigaScartata> Scarti() const override { return scarti_; }
    long StoredCount() const override { return stored_; }
    bool RigenerazioneNecessaria() const override { return rigenera_; }
    void Detach() override;

protected:
    QWidget* CreateForm(QWidget* parent) override;

private:
    db::Connection* connessione() const;
    std::string ditta() const;
    Composer& composer();
    void esito(int stato, const std::string& messaggio = {});
    void avanza(long done, long total);
    // Pairs of options (variant and option each) that make a variant
    // article invalid for the item.
    std::vector<std::vector<std::string>> coppieNonValide(const std::string& item);

    // ---- every variant article of a selection
    framework::Cinterface* componente_ = nullptr;
    db::Connection* cn_ = nullptr;
    std::string connectionString_, ditta_;
    std::string lingua_, condizione_;
    controls::ProgressPanel* progresso_ = nullptr;
    bool validita_ = false, tutteLingue_ = false, sovrascrivi_ = false, rigenera_ = false;
    std::unique_ptr<db::Recordset> risultato_;
    std::vector<RigaScartata> scarti_;
    long stored_ = 0;
    std::unique_ptr<Composer> composer_;
};

}  // namespace descriptions
