-- Sample data of the demo database: Maglificio Veldrano S.p.A. (company 1), a
-- knitwear and clothing maker in Prato, and Sartoria Bellandi S.n.c.
-- (company 2), a small tailor's shop. All names are fictional.
-- Dates are written 'YYYY-MM-DD'; on SQL Server load the file in a session
-- with SET DATEFORMAT ymd, as that form of DATETIME follows the session's
-- date format. Composed option codes are padded to the company's full width
-- (company 1: Taglia 3 + Colore 3 + Lunghezza 2 + Vestibilita 4 = 12).

-- ---------------------------------------------------------------- registry
INSERT INTO CG18_ANADITTABASE (CG18_DITTA, CG18_RAGSOC, CG18_PARTIVA, CG18_LOCALITA, CG18_GRUPPO_CG10) VALUES
    (1, 'Maglificio Veldrano S.p.A.', '01987650974', 'Prato', 1),
    (2, 'Sartoria Bellandi S.n.c.', '02345670487', 'Firenze', 1)
GO

INSERT INTO CG16_ANAGGEN (CG16_CODICE, CG16_RAGSOANAG, CG16_INDIRIZZO, CG16_LOCALITA, CG16_PROVINCIA, CG16_NAZIONE, CG16_PARTIVA) VALUES
    (1001, 'Boutique Riva S.r.l.', 'Via della Spiga 14', 'Milano', 'MI', 'IT', '07788990151'),
    (1002, 'Grandi Magazzini Lanterna S.p.A.', 'Via XX Settembre 40', 'Genova', 'GE', 'IT', '03322110109'),
    (1003, 'Modehaus Berger GmbH', 'Maximilianstrasse 8', 'München', NULL, 'DE', NULL),
    (1004, 'Atelier Duval SARL', 'Rue de la République 22', 'Lyon', NULL, 'FR', NULL),
    (1005, 'Emporio dell''Arco S.a.s.', 'Corso Vannucci 5', 'Perugia', 'PG', 'IT', '02211330547'),
    (2001, 'Filature Biellesi Riunite S.p.A.', 'Via Cernaia 3', 'Biella', 'BI', 'IT', '01122330021'),
    (2002, 'Tintoria Arno S.n.c.', 'Via del Lazzeretto 120', 'Prato', 'PO', 'IT', '01555660975'),
    (2003, 'Bottonificio Bergamasco S.r.l.', 'Via Moroni 77', 'Bergamo', 'BG', 'IT', '02468100163'),
    (2004, 'Confezioni Valdarno S.r.l.', 'Via Aretina 210', 'Figline Valdarno', 'FI', 'IT', '05566770480'),
    (2005, 'Tessiture Lariane S.p.A.', 'Via Borgovico 33', 'Como', 'CO', 'IT', '00987120134')
GO

INSERT INTO CG44_CLIFOR (CG44_DITTA_CG18, CG44_TIPOCF, CG44_CLIFOR, CG44_CODICE_CG16, CG44_DTINIVAL, CG44_DTFINVAL) VALUES
    (1, 0, 1, 1001, '2018-01-01', NULL),
    (1, 0, 2, 1002, '2019-03-01', NULL),
    (1, 0, 3, 1003, '2020-06-15', NULL),
    (1, 0, 4, 1004, '2021-02-01', NULL),
    (1, 0, 5, 1005, '2015-01-01', '2024-12-31'),
    (1, 1, 1, 2001, '2010-01-01', NULL),
    (1, 1, 2, 2002, '2012-05-01', NULL),
    (1, 1, 3, 2003, '2012-05-01', NULL),
    (1, 1, 4, 2004, '2016-09-01', NULL),
    (1, 1, 5, 2005, '2017-01-01', NULL),
    (2, 0, 1, 1001, '2022-01-01', NULL),
    (2, 1, 1, 2005, '2022-01-01', NULL)
GO

INSERT INTO CG24_TABPDC (CG24_GRUPPO_CG10, CG24_CONTO, CG24_DESCR) VALUES
    (1, '0601001', 'Merci c/acquisti Italia'),
    (1, '0601002', 'Merci c/acquisti estero'),
    (1, '0601003', 'Resi su acquisti Italia'),
    (1, '0601004', 'Resi su acquisti estero'),
    (1, '0801001', 'Merci c/vendite Italia'),
    (1, '0801002', 'Merci c/vendite estero'),
    (1, '0801003', 'Resi su vendite Italia'),
    (1, '0801004', 'Resi su vendite estero'),
    (1, '0801010', 'Prestazioni di servizi')
GO

INSERT INTO CG39_PRSDESPDC (CG39_DITTA_CG18, CG39_GRUPPO_CG10, CG39_CONTO_CG24, CG39_DESCR) VALUES
    (1, 1, '0801001', 'Ricavi vendita capi Italia'),
    (1, 1, '0801002', 'Ricavi vendita capi export'),
    (1, 1, '0601001', 'Acquisti filati e tessuti Italia'),
    (2, 1, '0801010', 'Confezione su misura')
GO

INSERT INTO CG28_TABCODIVA (CG28_DITTA_CG18, CG28_CODIVA, CG28_DESCR, CG28_ALIQUOTA) VALUES
    (1, '22', 'Iva ordinaria 22%', 22.0),
    (1, '10', 'Iva ridotta 10%', 10.0),
    (1, '4', 'Iva minima 4%', 4.0),
    (1, 'N3', 'Non imponibile art. 8 c.1 lett. a', 0.0),
    (2, '22', 'Iva ordinaria 22%', 22.0)
GO

-- ------------------------------------------------- warehouse configuration
INSERT INTO MG58_DEPOSITI (MG58_DITTA_CG18, MG58_CODDEP, MG58_DESCRDEP, MG58_FLGCLAV) VALUES
    (1, '01', 'Magazzino centrale Prato', 0),
    (1, '02', 'Negozio Firenze via Tornabuoni', 0),
    (1, '03', 'Outlet Barberino', 0),
    (1, 'CLA', 'Conto lavoro attivo', 1),
    (1, 'CLP', 'Conto lavoro passivo', 1),
    (2, '01', 'Laboratorio Firenze', 0)
GO

INSERT INTO MG01_PARAMDITTA (MG01_DITTA_CG18, MG01_INDCODRAGGR, MG01_FLGARTCLI, MG01_FLGARTFOR, MG01_CODDEPCLAVATT_MG58, MG01_CODDEPCLAVPAS_MG58, MG01_INDCLASSIF, MG01_FLGDATIDIV) VALUES
    (1, 0, 1, 1, 'CLA', 'CLP', 1, 1),
    (2, 1, 1, 0, NULL, NULL, 0, 0)
GO

INSERT INTO MG52_LINGUE (MG52_CODLINGUA, MG52_DESCRLINGUA) VALUES
    ('INGL', 'Inglese'),
    ('FRAN', 'Francese'),
    ('TEDE', 'Tedesco'),
    ('SPAG', 'Spagnolo')
GO

INSERT INTO MG47_PARMAGLINGUE (MG47_DITTA_CG18, MG47_CODLINGUA_MG52) VALUES
    (1, 'INGL'),
    (1, 'FRAN'),
    (1, 'TEDE'),
    (2, 'INGL')
GO

INSERT INTO MG6W_STATIART (MG6W_INDSTATO, MG6W_DESCR) VALUES
    (0, 'Attivo'),
    (1, 'In esaurimento'),
    (2, 'Bloccato'),
    (3, 'Obsoleto')
GO

-- -------------------------------------------------- item classification
INSERT INTO MG53_FAMIGLIE (MG53_DITTA_CG18, MG53_CODFAM, MG53_DESCRFAM) VALUES
    (1, 'MAGL', 'Maglieria'),
    (1, 'PANT', 'Pantaloni'),
    (1, 'CAMI', 'Camiceria'),
    (1, 'CAPO', 'Capispalla'),
    (1, 'ACCE', 'Accessori'),
    (1, 'MATP', 'Materie prime'),
    (2, 'SART', 'Sartoria su misura')
GO

INSERT INTO MG54_SOTTOFAM (MG54_DITTA_CG18, MG54_FAM_MG53, MG54_CODSFAM, MG54_DESCRSFAM) VALUES
    (1, 'MAGL', 'PULL', 'Pullover'),
    (1, 'MAGL', 'CARD', 'Cardigan'),
    (1, 'PANT', 'CHIN', 'Chino'),
    (1, 'CAMI', 'CLAS', 'Camicia classica'),
    (1, 'CAPO', 'GIAC', 'Giacche'),
    (1, 'ACCE', 'SCIA', 'Sciarpe'),
    (1, 'MATP', 'FILA', 'Filati'),
    (1, 'MATP', 'TESS', 'Tessuti'),
    (1, 'MATP', 'MINU', 'Minuterie'),
    (2, '', 'ABIT', 'Abiti'),
    (2, '', 'CAMI', 'Camicie')
GO

INSERT INTO MG55_GRUPPI (MG55_DITTA_CG18, MG55_FAM_MG53, MG55_SFAM_MG54, MG55_CODGRUPPO, MG55_DESCRGRUPPO) VALUES
    (1, 'MAGL', 'PULL', 'LANA', 'Lana merino'),
    (1, 'MAGL', 'CARD', 'CASH', 'Cashmere'),
    (1, 'PANT', 'CHIN', 'COTO', 'Cotone'),
    (1, 'CAPO', 'GIAC', 'TWEE', 'Tweed'),
    (1, 'CAMI', 'CLAS', 'OXFO', 'Oxford'),
    (2, '', '', 'LANA', 'Lana')
GO

INSERT INTO MG56_SOTTOGRUPPI (MG56_DITTA_CG18, MG56_FAM_MG53, MG56_SFAM_MG54, MG56_GRUPPO_MG55, MG56_CODSGRUPPO, MG56_DESCRSGRUPPO) VALUES
    (1, 'MAGL', 'PULL', 'LANA', 'GIRO', 'Girocollo'),
    (1, 'MAGL', 'PULL', 'LANA', 'SCOV', 'Scollo a V'),
    (1, 'MAGL', 'CARD', 'CASH', 'BOTT', 'Con bottoni'),
    (2, '', '', '', 'FRED', 'Lana fredda')
GO

INSERT INTO MG61_GRUPPIFIS (MG61_DITTA_CG18, MG61_CODGRUFIS, MG61_DESCRGRUFIS) VALUES
    (1, 'ABB', 'Abbigliamento'),
    (1, 'MAT', 'Materie prime e accessori'),
    (2, 'ABB', 'Abbigliamento')
GO

INSERT INTO MG64_MARCHEART (MG64_DITTA_CG18, MG64_CODMARCA, MG64_DESCRMARCA) VALUES
    (1, 'VELD', 'Veldrano'),
    (1, 'VBLU', 'Veldrano Blu'),
    (1, 'LTOS', 'Lanificio Toscano'),
    (2, 'BELL', 'Bellandi Firenze')
GO

INSERT INTO MG74_GRUSTAT1 (MG74_DITTA_CG18, MG74_CODGRUSTAT1, MG74_DESGRUSTAT1) VALUES
    (1, 'UOMO', 'Uomo'),
    (1, 'DONNA', 'Donna'),
    (1, 'UNIS', 'Unisex')
GO

INSERT INTO MG75_GRUSTAT2 (MG75_DITTA_CG18, MG75_CODGRUSTAT2, MG75_DESGRUSTAT2) VALUES
    (1, 'AI', 'Autunno-Inverno'),
    (1, 'PE', 'Primavera-Estate'),
    (1, 'CONT', 'Continuativo')
GO

INSERT INTO MG76_GRUSTAT3 (MG76_DITTA_CG18, MG76_CODGRUSTAT3, MG76_DESGRUSTAT3) VALUES
    (1, 'ALTA', 'Fascia alta'),
    (1, 'MEDIA', 'Fascia media')
GO

INSERT INTO MG77_GRUSTAT4 (MG77_DITTA_CG18, MG77_CODGRUSTAT4, MG77_DESGRUSTAT4) VALUES
    (1, 'RETAIL', 'Vendita diretta'),
    (1, 'WHOLE', 'Ingrosso'),
    (1, 'EXPORT', 'Export')
GO

-- ------------------------------------------------------- variant model
INSERT INTO MG5F_DIMECONF (MG5F_DITTA_CG18, MG5F_CODICEVAR, MG5F_DESCR_VAR, MG5F_INDGRIGLIA, MG5F_SIZE, MG5F_INDNATURA, MG5F_INDPROGCONFIG) VALUES
    (1, 'A0', 'Taglia', 2, 3, 0, 0),
    (1, 'A1', 'Colore', 1, 3, 0, 0),
    (1, 'A2', 'Lunghezza', 0, 2, 0, 0),
    (1, 'A3', 'Vestibilità', 0, 4, 0, 0),
    (2, 'A0', 'Taglia', 1, 2, 0, 1),
    (2, 'A1', 'Tessuto', 2, 4, 0, 0),
    (2, 'B0', 'Finitura', 0, 2, 1, 0)
GO

INSERT INTO MG5E_OPZIONI (MG5E_DITTA_CG18, MG5E_CODICEVAR_MG5F, MG5E_OPZIONE, MG5E_DESCR) VALUES
    (1, 'A0', 'XS', 'Extra small'),
    (1, 'A0', 'S', 'Small'),
    (1, 'A0', 'M', 'Medium'),
    (1, 'A0', 'L', 'Large'),
    (1, 'A0', 'XL', 'Extra large'),
    (1, 'A0', 'XXL', 'Extra extra large'),
    (1, 'A0', '44', 'Taglia 44'),
    (1, 'A0', '46', 'Taglia 46'),
    (1, 'A0', '48', 'Taglia 48'),
    (1, 'A0', '50', 'Taglia 50'),
    (1, 'A0', '52', 'Taglia 52'),
    (1, 'A0', '54', 'Taglia 54'),
    (1, 'A0', '56', 'Taglia 56'),
    (1, 'A0', 'TU', 'Taglia unica'),
    (1, 'A1', 'BLU', 'Blu navy'),
    (1, 'A1', 'NER', 'Nero'),
    (1, 'A1', 'BIA', 'Bianco'),
    (1, 'A1', 'GRI', 'Grigio melange'),
    (1, 'A1', 'ROS', 'Rosso bordeaux'),
    (1, 'A1', 'VER', 'Verde bosco'),
    (1, 'A1', 'BEI', 'Beige'),
    (1, 'A1', 'CAM', 'Cammello'),
    (1, 'A1', 'AZZ', 'Azzurro'),
    (1, 'A1', 'ARA', 'Arancio zucca'),
    (1, 'A2', '30', 'Lunghezza 30'),
    (1, 'A2', '32', 'Lunghezza 32'),
    (1, 'A2', '34', 'Lunghezza 34'),
    (1, 'A2', 'CR', 'Corta'),
    (1, 'A2', 'LG', 'Lunga'),
    (1, 'A3', 'SLIM', 'Slim fit'),
    (1, 'A3', 'REG', 'Regular fit'),
    (1, 'A3', 'COMF', 'Comfort fit'),
    (2, 'A0', '44', 'Taglia 44'),
    (2, 'A0', '46', 'Taglia 46'),
    (2, 'A0', '48', 'Taglia 48'),
    (2, 'A0', '50', 'Taglia 50'),
    (2, 'A0', '52', 'Taglia 52'),
    (2, 'A1', 'FRED', 'Lana fredda Super 110''s'),
    (2, 'A1', 'FLAN', 'Flanella'),
    (2, 'A1', 'LINO', 'Lino irlandese'),
    (2, 'A1', 'POPE', 'Popeline di cotone'),
    (2, 'B0', 'ST', 'Standard'),
    (2, 'B0', 'MA', 'Fatta a mano')
GO

INSERT INTO MG5G_RAGGVAR (MG5G_DITTA_CG18, MG5G_CODICEVAR_MG5F, MG5G_CODRAGGVAR, MG5G_DESCRRAGGVAR) VALUES
    (1, 'A0', 'TG-LETTERE', 'Taglie a lettere XS-XXL'),
    (1, 'A0', 'TG-NUMERI', 'Taglie numeriche 44-56'),
    (1, 'A0', 'A0-000001', 'Taglie maglieria essenziale'),
    (1, 'A1', 'COL-MAGLIA', 'Colori maglieria AI 2026'),
    (1, 'A1', 'COL-BASE', 'Colori continuativi'),
    (1, 'A2', 'LUN-PANT', 'Lunghezze pantalone'),
    (2, 'A0', 'ABITO-SU01', 'Taglie abito su misura')
GO

INSERT INTO MG5H_COMPRAGVAR (MG5H_DITTA_CG18, MG5H_CODICEVAR_MG5F, MG5H_RAGGR_MG5G, MG5H_OPZIONE_MG5E, MG5H_SEQOPZIONE, MG5H_DESCR) VALUES
    (1, 'A0', 'TG-LETTERE', 'XS', 1, NULL),
    (1, 'A0', 'TG-LETTERE', 'S', 2, NULL),
    (1, 'A0', 'TG-LETTERE', 'M', 3, NULL),
    (1, 'A0', 'TG-LETTERE', 'L', 4, NULL),
    (1, 'A0', 'TG-LETTERE', 'XL', 5, NULL),
    (1, 'A0', 'TG-LETTERE', 'XXL', 6, NULL),
    (1, 'A0', 'TG-NUMERI', '44', 1, NULL),
    (1, 'A0', 'TG-NUMERI', '46', 2, NULL),
    (1, 'A0', 'TG-NUMERI', '48', 3, NULL),
    (1, 'A0', 'TG-NUMERI', '50', 4, NULL),
    (1, 'A0', 'TG-NUMERI', '52', 5, NULL),
    (1, 'A0', 'TG-NUMERI', '54', 6, NULL),
    (1, 'A0', 'TG-NUMERI', '56', 7, NULL),
    (1, 'A0', 'A0-000001', 'S', 1, NULL),
    (1, 'A0', 'A0-000001', 'M', 2, NULL),
    (1, 'A0', 'A0-000001', 'L', 3, NULL),
    (1, 'A1', 'COL-MAGLIA', 'BLU', 1, 'Blu notte'),
    (1, 'A1', 'COL-MAGLIA', 'GRI', 2, NULL),
    (1, 'A1', 'COL-MAGLIA', 'ROS', 3, NULL),
    (1, 'A1', 'COL-MAGLIA', 'VER', 4, 'Verde bottiglia'),
    (1, 'A1', 'COL-MAGLIA', 'CAM', 5, NULL),
    (1, 'A1', 'COL-BASE', 'NER', 1, NULL),
    (1, 'A1', 'COL-BASE', 'BLU', 2, NULL),
    (1, 'A1', 'COL-BASE', 'BIA', 3, NULL),
    (1, 'A1', 'COL-BASE', 'GRI', 4, NULL),
    (1, 'A2', 'LUN-PANT', '30', 1, NULL),
    (1, 'A2', 'LUN-PANT', '32', 2, NULL),
    (1, 'A2', 'LUN-PANT', '34', 3, NULL),
    (2, 'A0', 'ABITO-SU01', '46', 1, NULL),
    (2, 'A0', 'ABITO-SU01', '48', 2, NULL),
    (2, 'A0', 'ABITO-SU01', '50', 3, NULL)
GO

-- ------------------------------------------------------------ item master
INSERT INTO MG66_ANAGRART (MG66_DITTA_CG18, MG66_CODART, MG66_DESCART, MG66_UM, MG66_FLGVARART, MG66_INDGENVARDIBA, MG66_INDVARERIDIBA, MG66_CODREGOLA, MG66_FLGSTINV, MG66_FLGARTCLI, MG66_FLGARTFOR, MG66_FLGSTGIOR, MG66_FLGALTER, MG66_FLGSOST, MG66_INDSTATO_MG6W, MG66_FAM_MG53, MG66_SFAM_MG54, MG66_GRUPPO_MG55, MG66_SGRUPPO_MG56, MG66_GRUPFIS_MG61, MG66_MARCA_MG64, MG66_GRUSTAT1_MG74, MG66_GRUSTAT2_MG75, MG66_GRUSTAT3_MG76, MG66_GRUSTAT4_MG77, MG66_ALIVA_CG28, MG66_CMEACQIT_CG24, MG66_CMEACQES_CG24, MG66_CMEVENIT_CG24, MG66_CMEVENES_CG24, MG66_CREACQIT_CG24, MG66_CREACQES_CG24, MG66_CREVENIT_CG24, MG66_CREVENES_CG24, MG66_PREZZOLIST, MG66_DTCREAZ) VALUES
    (1, 'MAGLIA-001', 'Maglia girocollo lana merino', 'PZ', 1, 0, 0, 'RG-MAGL', 1, 1, 1, 1, 0, 0, 0, 'MAGL', 'PULL', 'LANA', 'GIRO', 'ABB', 'VELD', 'UOMO', 'CONT', 'MEDIA', 'RETAIL', '22', '0601001', '0601002', '0801001', '0801002', '0601003', '0601004', '0801003', '0801004', 89.0, '2024-09-02'),
    (1, 'MAGLIA-002', 'Cardigan cashmere con bottoni', 'PZ', 1, 0, 0, NULL, 1, 1, 0, 1, 1, 0, 0, 'MAGL', 'CARD', 'CASH', 'BOTT', 'ABB', 'LTOS', 'DONNA', 'AI', 'ALTA', 'RETAIL', '22', '0601001', '0601002', '0801001', '0801002', '0601003', '0601004', '0801003', '0801004', 245.0, '2025-03-10'),
    (1, 'MAGLIA-003', 'Maglia scollo a V lana merino', 'PZ', 1, 0, 0, NULL, 1, 0, 0, 1, 0, 0, 1, 'MAGL', 'PULL', 'LANA', 'SCOV', 'ABB', 'VELD', 'UOMO', 'AI', 'MEDIA', 'WHOLE', '22', '0601001', '0601002', '0801001', '0801002', '0601003', '0601004', '0801003', '0801004', 79.0, '2025-05-20'),
    (1, 'PANT-001', 'Pantalone chino in cotone', 'PZ', 1, 1, 0, NULL, 1, 1, 1, 1, 0, 0, 0, 'PANT', 'CHIN', 'COTO', NULL, 'ABB', 'VBLU', 'UOMO', 'PE', 'MEDIA', 'WHOLE', '22', '0601001', '0601002', '0801001', '0801002', '0601003', '0601004', '0801003', '0801004', 69.0, '2025-01-15'),
    (1, 'CAMICIA-001', 'Camicia oxford button-down', 'PZ', 1, 0, 1, NULL, 1, 0, 1, 1, 0, 0, 0, 'CAMI', 'CLAS', 'OXFO', NULL, 'ABB', 'VBLU', 'UOMO', 'CONT', 'MEDIA', 'RETAIL', '22', '0601001', '0601002', '0801001', '0801002', '0601003', '0601004', '0801003', '0801004', 59.0, '2024-11-04'),
    (1, 'GIACCA-001', 'Giacca monopetto in tweed', 'PZ', 1, 0, 0, 'RG-CONF', 1, 1, 1, 1, 0, 0, 0, 'CAPO', 'GIAC', 'TWEE', NULL, 'ABB', 'VELD', 'UOMO', 'AI', 'ALTA', 'RETAIL', '22', '0601001', '0601002', '0801001', '0801002', '0601003', '0601004', '0801003', '0801004', 320.0, '2025-06-30'),
    (1, 'SCIARPA-001', 'Sciarpa in lana e cashmere', 'PZ', 1, 0, 2, NULL, 1, 0, 0, 0, 0, 0, 0, 'ACCE', 'SCIA', NULL, NULL, 'ABB', 'LTOS', 'UNIS', 'AI', 'ALTA', 'EXPORT', '22', '0601001', '0601002', '0801001', '0801002', '0601003', '0601004', '0801003', '0801004', 49.0, '2025-07-01'),
    (1, 'MAGLIA-OLD', 'Maglia girocollo acrilico (fuori produzione)', 'PZ', 0, 0, 0, NULL, 1, 0, 0, 1, 0, 0, 3, 'MAGL', 'PULL', NULL, NULL, 'ABB', 'VELD', 'UOMO', 'CONT', 'MEDIA', 'WHOLE', '22', '0601001', '0601002', '0801001', '0801002', '0601003', '0601004', '0801003', '0801004', 29.0, '2015-02-01'),
    (1, 'FILATO-MER', 'Filato merino 2/28 tinto in rocca', 'KG', 1, 0, 0, NULL, 1, 0, 1, 1, 0, 0, 0, 'MATP', 'FILA', NULL, NULL, 'MAT', NULL, NULL, NULL, NULL, NULL, '22', '0601001', '0601002', NULL, NULL, '0601003', '0601004', NULL, NULL, 38.5, '2020-01-10'),
    (1, 'TESSUTO-TW', 'Tessuto tweed pura lana h.150', 'MT', 0, 0, 0, NULL, 1, 0, 1, 1, 0, 0, 0, 'MATP', 'TESS', NULL, NULL, 'MAT', NULL, NULL, NULL, NULL, NULL, '22', '0601001', '0601002', NULL, NULL, '0601003', '0601004', NULL, NULL, 24.0, '2021-04-12'),
    (1, 'FODERA-VIS', 'Fodera viscosa h.140', 'MT', 0, 0, 0, NULL, 1, 0, 1, 1, 0, 0, 0, 'MATP', 'TESS', NULL, NULL, 'MAT', NULL, NULL, NULL, NULL, NULL, '22', '0601001', NULL, NULL, NULL, NULL, NULL, NULL, NULL, 6.8, '2021-04-12'),
    (1, 'BOTTONE-CO', 'Bottone in corno 20 mm', 'PZ', 0, 0, 0, NULL, 1, 0, 1, 1, 1, 0, 0, 'MATP', 'MINU', NULL, NULL, 'MAT', NULL, NULL, NULL, NULL, NULL, '22', '0601001', NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0.45, '2019-09-09'),
    (1, 'ETICH-VELD', 'Etichetta tessuta Veldrano', 'PZ', 0, 0, 0, NULL, 0, 0, 1, 0, 0, 0, 0, 'MATP', 'MINU', NULL, NULL, 'MAT', 'VELD', NULL, NULL, NULL, NULL, '22', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 0.08, '2019-09-09'),
    (1, 'CAMP-AI26', 'Campionario Autunno-Inverno 2026', 'PZ', 0, 0, 0, NULL, 0, 0, 0, 0, 0, 0, 2, 'ACCE', NULL, NULL, NULL, 'ABB', 'VELD', NULL, 'AI', NULL, NULL, 'N3', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, '2026-02-01'),
    (2, 'ABITO-SU01', 'Abito due pezzi su misura', 'PZ', 1, 0, 0, NULL, 1, 1, 0, 0, 0, 0, 0, 'SART', 'ABIT', 'LANA', 'FRED', 'ABB', 'BELL', NULL, NULL, NULL, NULL, '22', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 1450.0, '2023-03-01'),
    (2, 'CAMICIA-SM', 'Camicia su misura', 'PZ', 1, 0, 0, NULL, 1, 0, 0, 0, 0, 0, 0, 'SART', 'CAMI', NULL, NULL, 'ABB', 'BELL', NULL, NULL, NULL, NULL, '22', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 180.0, '2023-03-01')
GO

INSERT INTO MG6B_GESVARART (MG6B_DITTA_CG18, MG6B_CODART_MG66, MG6B_CODICEVAR_MG5F, MG6B_FLGGESTVAR, MG6B_CODRAGGVAR_MG5G, MG6B_INDOBBLIG, MG6B_INDDEFAULT, MG6B_VARDEFAULT, MG6B_INDEREDIBA) VALUES
    (1, 'MAGLIA-001', 'A0', 1, 'TG-LETTERE', 1, 0, NULL, 1),
    (1, 'MAGLIA-001', 'A1', 1, 'COL-MAGLIA', 1, 1, 'BLU', 2),
    (1, 'MAGLIA-001', 'A2', 0, NULL, 0, 0, NULL, 0),
    (1, 'MAGLIA-001', 'A3', 0, NULL, 0, 0, NULL, 0),
    (1, 'MAGLIA-002', 'A0', 1, NULL, 1, 0, NULL, 0),
    (1, 'MAGLIA-002', 'A1', 1, 'COL-BASE', 1, 2, NULL, 99),
    (1, 'MAGLIA-002', 'A2', 0, NULL, 0, 0, NULL, 0),
    (1, 'MAGLIA-002', 'A3', 0, NULL, 0, 0, NULL, 0),
    (1, 'MAGLIA-003', 'A0', 1, 'A0-000001', 1, 0, NULL, 0),
    (1, 'MAGLIA-003', 'A1', 1, NULL, 2, 0, NULL, 0),
    (1, 'MAGLIA-003', 'A2', 0, NULL, 0, 0, NULL, 0),
    (1, 'MAGLIA-003', 'A3', 0, NULL, 0, 0, NULL, 0),
    (1, 'PANT-001', 'A0', 1, 'TG-NUMERI', 1, 0, NULL, 1),
    (1, 'PANT-001', 'A1', 1, NULL, 1, 0, NULL, 1),
    (1, 'PANT-001', 'A2', 1, 'LUN-PANT', 1, 1, '32', 1),
    (1, 'PANT-001', 'A3', 1, NULL, 0, 1, 'REG', 0),
    (1, 'CAMICIA-001', 'A0', 1, 'TG-LETTERE', 1, 0, NULL, 0),
    (1, 'CAMICIA-001', 'A1', 1, 'COL-BASE', 1, 1, 'BIA', 0),
    (1, 'CAMICIA-001', 'A2', 0, NULL, 0, 0, NULL, 0),
    (1, 'CAMICIA-001', 'A3', 1, NULL, 2, 2, NULL, 99),
    (1, 'GIACCA-001', 'A0', 1, 'TG-NUMERI', 1, 0, NULL, 2),
    (1, 'GIACCA-001', 'A1', 1, NULL, 1, 0, NULL, 2),
    (1, 'GIACCA-001', 'A2', 0, NULL, 0, 0, NULL, 0),
    (1, 'GIACCA-001', 'A3', 0, NULL, 0, 0, NULL, 0),
    (1, 'SCIARPA-001', 'A0', 0, NULL, 0, 0, NULL, 0),
    (1, 'SCIARPA-001', 'A1', 1, NULL, 1, 0, NULL, 0),
    (1, 'SCIARPA-001', 'A2', 0, NULL, 0, 0, NULL, 0),
    (1, 'SCIARPA-001', 'A3', 0, NULL, 0, 0, NULL, 0),
    (1, 'FILATO-MER', 'A0', 0, NULL, 0, 0, NULL, 0),
    (1, 'FILATO-MER', 'A1', 1, NULL, 1, 0, NULL, 0),
    (1, 'FILATO-MER', 'A2', 0, NULL, 0, 0, NULL, 0),
    (1, 'FILATO-MER', 'A3', 0, NULL, 0, 0, NULL, 0),
    (2, 'ABITO-SU01', 'A0', 1, 'ABITO-SU01', 1, 0, NULL, 0),
    (2, 'CAMICIA-SM', 'A0', 1, NULL, 1, 0, NULL, 0),
    (2, 'ABITO-SU01', 'A1', 1, NULL, 1, 0, NULL, 0),
    (2, 'CAMICIA-SM', 'A1', 1, NULL, 1, 0, NULL, 0),
    (2, 'ABITO-SU01', 'B0', 1, NULL, 1, 0, 'ST', 0),
    (2, 'CAMICIA-SM', 'B0', 0, NULL, 1, 0, NULL, 0)
GO

-- ---------------------------------------------------- transcoding of options
INSERT INTO MG5S_VARCLIFOR (MG5S_DITTA_CG18, MG5S_CODICEVAR_MG5F, MG5S_TIPOCF_CG44, MG5S_CLIFOR_CG44, MG5S_OPZIONE_MG5E, MG5S_DESCR) VALUES
    (1, 'A1', 0, 3, 'BLU', 'Marineblau'),
    (1, 'A1', 0, 3, 'NER', 'Schwarz'),
    (1, 'A1', 0, 3, 'GRI', 'Grau meliert'),
    (1, 'A1', 0, 3, 'ROS', 'Bordeauxrot'),
    (1, 'A1', 0, 3, 'VER', 'Tannengrün'),
    (1, 'A1', 0, 4, 'BLU', 'Bleu marine'),
    (1, 'A1', 0, 4, 'BIA', 'Blanc cassé'),
    (1, 'A1', 0, 4, 'CAM', 'Camel'),
    (1, 'A0', 0, 3, 'XL', 'XL (52)'),
    (1, 'A0', 0, 3, 'XXL', 'XXL (54)'),
    (1, 'A0', 0, 2, 'S', 'Taglia S - 46'),
    (1, 'A0', 0, 2, 'M', 'Taglia M - 48'),
    (1, 'A0', 0, 2, 'L', 'Taglia L - 50'),
    (1, 'A1', 1, 1, 'BLU', 'Col. 4410 navy'),
    (1, 'A1', 1, 1, 'GRI', 'Col. 1020 melange'),
    (1, 'A1', 1, 1, 'ROS', 'Col. 7730 bordeaux'),
    (1, 'A1', 1, 1, 'VER', 'Col. 6215 bosco'),
    (1, 'A1', 1, 2, 'BLU', 'Bagno 118 blu'),
    (1, 'A1', 1, 2, 'NER', 'Bagno 001 nero')
GO

-- ------------------------------------------------------- seasons and states
INSERT INTO MG5T_STAGIONI (MG5T_DITTA_CG18, MG5T_IDSTAGIONE, MG5T_CODICE, MG5T_DESCR, MG5T_DATAINIZIO, MG5T_DATAFINE) VALUES
    (1, 1, 'PE2025', 'Primavera-Estate 2025', '2025-02-01', '2025-07-31'),
    (1, 2, 'AI2025', 'Autunno-Inverno 2025', '2025-08-01', '2026-01-31'),
    (1, 3, 'PE2026', 'Primavera-Estate 2026', '2026-02-01', '2026-07-31'),
    (1, 4, 'AI2026', 'Autunno-Inverno 2026', '2026-08-01', '2027-01-31'),
    (2, 101, '2026', 'Anno 2026', '2026-01-01', '2026-12-31')
GO

INSERT INTO MG5V_STATIVAR (MG5V_DITTA_CG18, MG5V_IDSTATOVAR, MG5V_CODICE, MG5V_DESCR, MG5V_ATTIVO, MG5V_DATAINIZIO, MG5V_DATAFINE) VALUES
    (1, 1, 'DISP', 'Disponibile', 1, NULL, NULL),
    (1, 2, 'NOVITA', 'Novità di stagione', 1, '2026-09-01', '2027-02-28'),
    (1, 3, 'ESAUR', 'In esaurimento', 1, NULL, NULL),
    (1, 4, 'BLOCC', 'Bloccato alla vendita', 1, NULL, NULL),
    (1, 5, 'SALDI25', 'Saldi invernali 2025', 1, '2025-01-05', '2025-02-28'),
    (1, 6, 'RIASS', 'Riassortimento sospeso', 0, NULL, NULL),
    (1, 7, 'CAMP', 'Solo campionario', NULL, NULL, NULL),
    (2, 101, 'DISP', 'Disponibile', 1, NULL, NULL),
    (2, 102, 'FUORI', 'Fuori produzione', 1, NULL, NULL)
GO

INSERT INTO MG5W_PROVSTATI (MG5W_DITTA_CG18, MG5W_CODART_MG66, MG5W_CODICEVAR1_MG5F, MG5W_RAGGR1_MG5G, MG5W_OPZIONE1_MG5E, MG5W_CODICEVAR2_MG5F, MG5W_RAGGR2_MG5G, MG5W_OPZIONE2_MG5E, MG5W_IDSTATOVAR_MG5V, MG5W_TIPODEFAULT) VALUES
    (1, 'MAGLIA-001', 'A0', NULL, NULL, NULL, NULL, NULL, 1, NULL),
    (1, NULL, 'A1', NULL, NULL, NULL, NULL, NULL, 1, NULL),
    (1, 'MAGLIA-001', 'A1', 'COL-MAGLIA', NULL, NULL, NULL, NULL, 2, NULL),
    (1, 'MAGLIA-001', 'A0', 'TG-LETTERE', NULL, NULL, NULL, NULL, 1, NULL),
    (1, 'MAGLIA-001', 'A1', 'COL-MAGLIA', 'ROS', NULL, NULL, NULL, 3, NULL),
    (1, 'MAGLIA-001', 'A0', 'TG-LETTERE', 'XXL', NULL, NULL, NULL, 6, NULL),
    (1, 'MAGLIA-001', 'A1', NULL, 'ARA', NULL, NULL, NULL, 4, NULL),
    (1, NULL, 'A1', NULL, 'VER', NULL, NULL, NULL, 3, NULL),
    (1, NULL, 'A1', 'COL-BASE', NULL, NULL, NULL, NULL, 1, NULL),
    (1, 'MAGLIA-001', 'A0', NULL, NULL, 'A1', NULL, NULL, 1, 1),
    (1, 'MAGLIA-001', 'A0', NULL, 'XS', 'A1', NULL, 'ROS', 4, NULL),
    (1, 'MAGLIA-001', 'A0', NULL, 'XXL', 'A1', NULL, 'BIA', 3, NULL),
    (1, 'MAGLIA-001', 'A0', NULL, 'S', 'A1', NULL, 'VER', 5, NULL),
    (1, 'MAGLIA-001', 'A0', NULL, 'XL', 'A1', NULL, 'CAM', 7, NULL),
    (1, NULL, 'A0', NULL, NULL, 'A1', NULL, NULL, 1, 1),
    (1, NULL, 'A0', NULL, 'XS', 'A1', NULL, 'GRI', 3, NULL),
    (1, 'PANT-001', 'A0', NULL, '56', 'A2', NULL, '30', 4, NULL),
    (1, 'PANT-001', 'A2', NULL, NULL, 'A3', NULL, NULL, 1, 1),
    (2, 'ABITO-SU01', 'A0', NULL, NULL, 'B0', NULL, NULL, 101, 1)
GO

INSERT INTO MG5U_VARSTAG (MG5U_DITTA_CG18, MG5U_CODART_MG66, MG5U_CODICEVAR_MG5F, MG5U_RAGGR_MG5G, MG5U_OPZIONE_MG5E, MG5U_IDSTAGIONE_MG5T, MG5U_IDSTATOVAR_MG5V) VALUES
    (1, 'MAGLIA-001', 'A1', 'COL-MAGLIA', 'BLU', 4, 2),
    (1, 'MAGLIA-001', 'A1', 'COL-MAGLIA', 'GRI', 4, 2),
    (1, 'MAGLIA-001', 'A1', 'COL-MAGLIA', 'ROS', 4, 3),
    (1, 'MAGLIA-001', 'A1', 'COL-MAGLIA', 'CAM', 4, 6),
    (1, 'MAGLIA-001', 'A1', 'COL-MAGLIA', 'BLU', 2, 1),
    (1, 'MAGLIA-001', 'A1', 'COL-MAGLIA', 'ROS', 2, 5),
    (1, 'MAGLIA-001', 'A0', 'TG-LETTERE', 'XS', 4, 3),
    (1, 'MAGLIA-001', 'A0', 'TG-LETTERE', 'XXL', 4, 4),
    (1, 'MAGLIA-002', 'A0', NULL, 'XS', 4, 3),
    (1, 'MAGLIA-002', 'A1', 'COL-BASE', 'NER', 4, 2),
    (1, 'PANT-001', 'A2', 'LUN-PANT', '34', 3, 3)
GO

-- ------------------------------------------- codes used by customers and suppliers
INSERT INTO MG73_ARTCLIFOR (MG73_DITTA_CG18, MG73_TIPOCF_CG44, MG73_CLIFOR_CG44, MG73_ARTCLIFOR, MG73_CODART_MG66, MG73_OPZIONE_MG5E, MG73_DESCARTCF, MG73_FLGDESCPERS, MG73_NOTEARTCF, MG73_DESCARTESTCF, MG73_FLGFORPREF, MG73_DTCREAZ, MG73_DTULTAGG, MG73_COLLIULACQVEN, MG73_QTA1ULACQVEN, MG73_LOTTOMIN, MG73_LOTTOMULT, MG73_GGCONS) VALUES
    (1, 0, 2, 'LNT-55120', 'MAGLIA-001', '', 'Maglia merino uomo girocollo', 1, 'Codice listino autunno', NULL, 1, '2025-09-01', '2026-03-12', 0, 0, 0, 0, 0),
    (1, 0, 2, 'LNT-55120-BLM', 'MAGLIA-001', 'M  BLU      ', 'Maglia merino uomo blu M', 1, NULL, NULL, 0, '2025-09-01', '2025-09-01', 0, 0, 0, 0, 0),
    (1, 0, 2, 'LNT-55120-GRL', 'MAGLIA-001', 'L  GRI      ', 'Maglia merino uomo grigia L', 1, NULL, NULL, 0, '2025-09-01', '2025-09-01', 0, 0, 0, 0, 0),
    (1, 0, 3, 'BRG-MER-100', 'MAGLIA-001', '', 'Merino-Rundhalspullover', 1, 'Lieferung nur komplette Größenläufe', 'Herren-Pullover aus extrafeiner Merinowolle.', 0, '2025-10-20', '2025-10-20', 0, 0, 0, 0, 0),
    (1, 0, 4, 'DUV/PULL/07', 'MAGLIA-001', '', NULL, 0, NULL, NULL, 0, '2026-01-08', '2026-01-08', 0, 0, 0, 0, 0),
    (1, 1, 1, 'FBR-MER-228', 'MAGLIA-001', '', 'Capo finito merino 2/28', 1, 'Consegna in 45 gg', NULL, 1, '2024-09-02', '2025-11-30', 10, 10, 50, 10, 45),
    (1, 1, 4, 'CV-0098', 'MAGLIA-001', '', NULL, 0, 'Confezione e stiro', NULL, 0, '2025-02-14', '2025-02-14', 0, 0, 0, 0, 20),
    (1, 1, 4, 'CV-0098-BLS', 'MAGLIA-001', 'S  BLU      ', NULL, 0, NULL, NULL, 1, '2025-02-14', '2025-02-14', 0, 0, 0, 0, 20),
    (1, 1, 1, 'FBR-2/28-4410', 'FILATO-MER', '   BLU      ', 'Merino 2/28 col. 4410', 1, NULL, NULL, 1, '2020-01-10', '2025-06-01', 0, 25, 100, 25, 30),
    (1, 1, 5, 'TL-TW-150', 'TESSUTO-TW', '', 'Tweed Harris h.150', 1, NULL, NULL, 1, '2021-04-12', '2021-04-12', 0, 0, 50, 50, 60),
    (1, 0, 1, 'RIVA-CH-01', 'PANT-001', '48 BEI32SLIM', 'Chino beige slim 48/32', 1, NULL, NULL, 1, '2025-03-03', '2025-03-03', 0, 0, 0, 0, 0),
    (2, 0, 1, 'RIVA-SM-ABT', 'ABITO-SU01', '', 'Abito su misura', 1, NULL, NULL, 0, '2023-03-01', '2023-03-01', 0, 0, 0, 0, 0)
GO

-- ------------------------------------------------------------ descriptions
INSERT INTO MG87_ARTDESC (MG87_DITTA_CG18, MG87_CODART_MG66, MG87_OPZIONE_MG5E, MG87_LINGUA_MG52, MG87_DESCART, MG87_DESCARTEST, MG87_NOTEART) VALUES
    (1, 'MAGLIA-001', '', '', 'Maglia girocollo lana merino', 'Maglia girocollo in pura lana merino extrafine 2/28, lavorazione a maglia rasata, polsi e fondo a coste 2x2. Lavabile in lavatrice a 30 gradi.', 'Articolo continuativo della linea uomo. Riassortimento ogni quattro settimane.'),
    (1, 'MAGLIA-001', '', 'INGL', 'Merino wool crew-neck sweater', 'Crew-neck sweater in extra-fine merino wool, ribbed cuffs and hem. Machine washable at 30 degrees.', NULL),
    (1, 'MAGLIA-001', '', 'FRAN', 'Pull col rond en laine mérinos', 'Pull col rond en laine mérinos extra-fine, poignets et bas côtelés.', NULL),
    (1, 'MAGLIA-001', '', 'TEDE', 'Merino-Rundhalspullover', 'Rundhalspullover aus extrafeiner Merinowolle, gerippte Bündchen.', NULL),
    (1, 'MAGLIA-002', '', '', 'Cardigan cashmere con bottoni', 'Cardigan donna in cashmere 100%, bottoni in corno, tasche applicate.', 'Capo di punta della collezione AI.'),
    (1, 'MAGLIA-002', '', 'INGL', 'Cashmere button cardigan', NULL, NULL),
    (1, 'MAGLIA-003', '', '', 'Maglia scollo a V lana merino', 'Maglia con scollo a V in lana merino, vestibilità regolare.', NULL),
    (1, 'PANT-001', '', '', 'Pantalone chino in cotone', 'Pantalone chino in gabardina di cotone elasticizzato, tasche america.', 'Disponibile in tre vestibilità.'),
    (1, 'CAMICIA-001', '', '', 'Camicia oxford button-down', 'Camicia in oxford di cotone, collo button-down, taschino.', NULL),
    (1, 'GIACCA-001', '', '', 'Giacca monopetto in tweed', 'Giacca monopetto due bottoni in tweed di pura lana, fodera in viscosa, spacco centrale.', 'Confezione presso terzisti, vedi ciclo CIC-CONF02.'),
    (1, 'SCIARPA-001', '', '', 'Sciarpa in lana e cashmere', 'Sciarpa 180x30 cm in lana 70% e cashmere 30%, frange annodate a mano.', NULL),
    (1, 'MAGLIA-OLD', '', '', 'Maglia girocollo acrilico', 'Articolo fuori produzione, sostituito da MAGLIA-001.', 'Non riordinare.'),
    (1, 'FILATO-MER', '', '', 'Filato merino 2/28 tinto in rocca', NULL, 'Acquisto a kg, lotto minimo 25 kg.'),
    (1, 'TESSUTO-TW', '', '', 'Tessuto tweed pura lana h.150', NULL, NULL),
    (1, 'FODERA-VIS', '', '', 'Fodera viscosa h.140', NULL, NULL),
    (1, 'BOTTONE-CO', '', '', 'Bottone in corno 20 mm', NULL, NULL),
    (1, 'ETICH-VELD', '', '', 'Etichetta tessuta Veldrano', NULL, NULL),
    (2, 'ABITO-SU01', '', '', 'Abito due pezzi su misura', 'Abito due pezzi confezionato a mano su misura, tre prove.', NULL),
    (2, 'CAMICIA-SM', '', '', 'Camicia su misura', NULL, NULL),
    (1, 'MAGLIA-001', 'XS BLU      ', '', 'Maglia girocollo lana merino XS blu notte', NULL, NULL),
    (1, 'MAGLIA-001', 'XS GRI      ', '', 'Maglia girocollo lana merino XS grigio melange', NULL, NULL),
    (1, 'MAGLIA-001', 'XS ROS      ', '', 'Maglia girocollo lana merino XS rosso bordeaux', NULL, NULL),
    (1, 'MAGLIA-001', 'XS VER      ', '', 'Maglia girocollo lana merino XS verde bottiglia', NULL, NULL),
    (1, 'MAGLIA-001', 'XS CAM      ', '', 'Maglia girocollo lana merino XS cammello', NULL, NULL),
    (1, 'MAGLIA-001', 'S  BLU      ', '', 'Maglia girocollo lana merino S blu notte', NULL, NULL),
    (1, 'MAGLIA-001', 'S  GRI      ', '', 'Maglia girocollo lana merino S grigio melange', NULL, NULL),
    (1, 'MAGLIA-001', 'S  ROS      ', '', 'Maglia girocollo lana merino S rosso bordeaux', NULL, NULL),
    (1, 'MAGLIA-001', 'S  VER      ', '', 'Maglia girocollo lana merino S verde bottiglia', NULL, NULL),
    (1, 'MAGLIA-001', 'S  CAM      ', '', 'Maglia girocollo lana merino S cammello', NULL, NULL),
    (1, 'MAGLIA-001', 'M  BLU      ', '', 'Maglia girocollo lana merino M blu notte', NULL, NULL),
    (1, 'MAGLIA-001', 'M  GRI      ', '', 'Maglia girocollo lana merino M grigio melange', NULL, NULL),
    (1, 'MAGLIA-001', 'M  ROS      ', '', 'Maglia girocollo lana merino M rosso bordeaux', NULL, NULL),
    (1, 'MAGLIA-001', 'M  VER      ', '', 'Maglia girocollo lana merino M verde bottiglia', NULL, NULL),
    (1, 'MAGLIA-001', 'M  CAM      ', '', 'Maglia girocollo lana merino M cammello', NULL, NULL),
    (1, 'MAGLIA-001', 'L  BLU      ', '', 'Maglia girocollo lana merino L blu notte', NULL, NULL),
    (1, 'MAGLIA-001', 'L  GRI      ', '', 'Maglia girocollo lana merino L grigio melange', NULL, NULL),
    (1, 'MAGLIA-001', 'L  ROS      ', '', 'Maglia girocollo lana merino L rosso bordeaux', NULL, NULL),
    (1, 'MAGLIA-001', 'L  VER      ', '', 'Maglia girocollo lana merino L verde bottiglia', NULL, NULL),
    (1, 'MAGLIA-001', 'L  CAM      ', '', 'Maglia girocollo lana merino L cammello', NULL, NULL),
    (1, 'MAGLIA-001', 'XL BLU      ', '', 'Maglia girocollo lana merino XL blu notte', NULL, NULL),
    (1, 'MAGLIA-001', 'XL GRI      ', '', 'Maglia girocollo lana merino XL grigio melange', NULL, NULL),
    (1, 'MAGLIA-001', 'XL ROS      ', '', 'Maglia girocollo lana merino XL rosso bordeaux', NULL, NULL),
    (1, 'MAGLIA-001', 'XL VER      ', '', 'Maglia girocollo lana merino XL verde bottiglia', NULL, NULL),
    (1, 'MAGLIA-001', 'XL CAM      ', '', 'Maglia girocollo lana merino XL cammello', NULL, NULL),
    (1, 'MAGLIA-001', 'XXLBLU      ', '', 'Maglia girocollo lana merino XXL blu notte', NULL, NULL),
    (1, 'MAGLIA-001', 'XXLGRI      ', '', 'Maglia girocollo lana merino XXL grigio melange', NULL, NULL),
    (1, 'MAGLIA-001', 'XXLROS      ', '', 'Maglia girocollo lana merino XXL rosso bordeaux', NULL, NULL),
    (1, 'MAGLIA-001', 'XXLVER      ', '', 'Maglia girocollo lana merino XXL verde bottiglia', NULL, NULL),
    (1, 'MAGLIA-001', 'XXLCAM      ', '', 'Maglia girocollo lana merino XXL cammello', NULL, NULL),
    (1, 'MAGLIA-001', 'M  BLU      ', 'INGL', 'Merino crew-neck sweater M navy blue', NULL, NULL),
    (1, 'MAGLIA-001', 'L  BLU      ', 'INGL', 'Merino crew-neck sweater L navy blue', NULL, NULL),
    (1, 'PANT-001', '48 BEI32SLIM', '', 'Pantalone chino 48 beige L32 slim', NULL, NULL),
    (1, 'FILATO-MER', '   BLU      ', '', 'Filato merino 2/28 blu navy', NULL, NULL)
GO

-- ------------------------------------------------------ stock progressives
INSERT INTO MG70_MAGPROQTA (MG70_DITTA_CG18, MG70_CODART_MG66, MG70_ANNO, MG70_CODDEP_MG58, MG70_OPZIONE_MG5E, MG70_TIPOPROG, MG70_TIPOQTA, MG70_QGIACINI, MG70_QGIACATT, MG70_QGIACEFF, MG70_QGIACFIS, MG70_QDISPONIB, MG70_QIMPCLI, MG70_QIMPPROD, MG70_QIMPCLAVFOR, MG70_QPREIMPCLI, MG70_QBLOCSPED, MG70_QDACONTR, MG70_QORDFOR, MG70_QORDPROD, MG70_QPREIMPFOR, MG70_QDAVAL, MG70_QENTCVIS, MG70_QENTCRIP, MG70_QENCDEP, MG70_QENCNOLO, MG70_QUSCCVIS, MG70_QUSCCRIP, MG70_QUSCDEP, MG70_QUSCNOLO, MG70_QCARACQ, MG70_QCARESORCLI, MG70_QCARPROD, MG70_QCARCLAVCLI, MG70_QCARCLAVFOR, MG70_QCAROMAG, MG70_QCARGENER, MG70_QCARTRASF, MG70_QCARSOST, MG70_QCARLIB1, MG70_QCARLIB2, MG70_QSCAVEN, MG70_QSCASCART, MG70_QSCAOMAGQ, MG70_QSCACLAVCLI, MG70_QSCACLAVFOR, MG70_QSCAPROD, MG70_QSCARESOFOR, MG70_QSCAGENER, MG70_QSCATRASF, MG70_QSCASOST, MG70_QSCALIB1, MG70_QSCALIB2) VALUES
    (1, 'MAGLIA-001', 2026, '01', 'S  BLU      ', 1, 1, 19.0, 32.0, 32.0, 32.0, 47.0, 5.0, 0.0, 0.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 26.0, 2.0, 4.0, 0.0, 0.0, 0.0, 0.0, 5.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'S  BLU      ', 0, 1, 19.0, 32.0, 32.0, 32.0, 47.0, 5.0, 0.0, 0.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 26.0, 2.0, 4.0, 0.0, 0.0, 0.0, 0.0, 5.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'S  BLU      ', 2, 1, 19.0, 32.0, 32.0, 32.0, 47.0, 5.0, 0.0, 0.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 26.0, 2.0, 4.0, 0.0, 0.0, 0.0, 0.0, 5.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '01', 'S  BLU      ', 2, 1, 1.0, 13.0, 13.0, 13.0, 17.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 10.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 14.0, 2.0, 31.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 40.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'S  BLU      ', 1, 2, 6.08, 10.24, 10.24, 10.24, 15.04, 1.6, 0.0, 0.0, 0.0, 0.0, 0.0, 6.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.64, 0.0, 0.0, 0.0, 8.32, 0.64, 1.28, 0.0, 0.0, 0.0, 0.0, 1.6, 0.0, 0.0, 0.0, 6.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.28, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'S  GRI      ', 1, 1, 5.0, 7.0, 7.0, 7.0, 2.0, 5.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 2.0, 1.0, 17.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 21.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'S  GRI      ', 0, 1, 5.0, 7.0, 7.0, 7.0, 2.0, 5.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 2.0, 1.0, 17.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 21.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'S  GRI      ', 2, 1, 5.0, 7.0, 7.0, 7.0, 2.0, 5.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 2.0, 1.0, 17.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 21.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '01', 'S  GRI      ', 2, 1, 5.0, 25.0, 25.0, 25.0, 24.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 18.0, 1.0, 17.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 18.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'S  GRI      ', 1, 2, 1.6, 2.24, 2.24, 2.24, 0.64, 1.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.32, 0.0, 0.0, 0.0, 0.64, 0.32, 5.44, 0.0, 0.0, 0.0, 0.0, 0.96, 0.0, 0.0, 0.0, 6.72, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'S  ROS      ', 1, 1, 2.0, 18.0, 18.0, 18.0, 32.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 28.0, 3.0, 7.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 19.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'S  ROS      ', 0, 1, 2.0, 18.0, 18.0, 18.0, 32.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 28.0, 3.0, 7.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 19.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'S  ROS      ', 2, 1, 2.0, 18.0, 18.0, 18.0, 32.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 28.0, 3.0, 7.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 19.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '01', 'S  ROS      ', 2, 1, 0.0, 22.0, 22.0, 22.0, 41.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 36.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 17.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'S  ROS      ', 1, 2, 0.64, 5.76, 5.76, 5.76, 10.24, 1.92, 0.0, 0.0, 0.0, 0.0, 0.0, 6.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 8.96, 0.96, 2.24, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.08, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.96, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'M  BLU      ', 1, 1, 11.0, 22.0, 22.0, 22.0, 20.0, 2.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.0, 1.0, 3.0, 0.0, 0.0, 0.0, 0.0, 5.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'M  BLU      ', 0, 1, 11.0, 22.0, 22.0, 22.0, 20.0, 2.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.0, 1.0, 3.0, 0.0, 0.0, 0.0, 0.0, 5.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'M  BLU      ', 2, 1, 11.0, 22.0, 22.0, 22.0, 20.0, 2.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.0, 1.0, 3.0, 0.0, 0.0, 0.0, 0.0, 5.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '01', 'M  BLU      ', 2, 1, 7.0, 16.0, 16.0, 16.0, 31.0, 5.0, 0.0, 0.0, 0.0, 1.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 1.0, 26.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 24.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'M  BLU      ', 1, 2, 3.52, 7.04, 7.04, 7.04, 6.4, 0.64, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.96, 0.32, 0.96, 0.0, 0.0, 0.0, 0.0, 1.6, 0.0, 0.0, 0.0, 0.32, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'M  GRI      ', 1, 1, 11.0, 9.0, 9.0, 9.0, 23.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 17.0, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 29.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'M  GRI      ', 0, 1, 11.0, 9.0, 9.0, 9.0, 23.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 17.0, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 29.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'M  GRI      ', 2, 1, 11.0, 9.0, 9.0, 9.0, 23.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 17.0, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 29.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '01', 'M  GRI      ', 2, 1, 18.0, 12.0, 12.0, 12.0, 6.0, 6.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 23.0, 0.0, 8.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 36.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'M  GRI      ', 1, 2, 3.52, 2.88, 2.88, 2.88, 7.36, 1.92, 0.0, 0.0, 0.0, 0.0, 0.0, 6.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 5.44, 0.0, 3.84, 0.0, 0.0, 0.0, 0.0, 0.32, 0.0, 0.0, 0.0, 9.28, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.96, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'M  ROS      ', 1, 1, 0.0, 28.0, 28.0, 28.0, 33.0, 5.0, 0.0, 0.0, 0.0, 0.0, 0.0, 10.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 16.0, 3.0, 29.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 23.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'M  ROS      ', 0, 1, 0.0, 28.0, 28.0, 28.0, 33.0, 5.0, 0.0, 0.0, 0.0, 0.0, 0.0, 10.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 16.0, 3.0, 29.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 23.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'M  ROS      ', 2, 1, 0.0, 28.0, 28.0, 28.0, 33.0, 5.0, 0.0, 0.0, 0.0, 0.0, 0.0, 10.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 16.0, 3.0, 29.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 23.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '01', 'M  ROS      ', 2, 1, 17.0, 22.0, 22.0, 22.0, 24.0, 8.0, 0.0, 0.0, 0.0, 0.0, 0.0, 10.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 17.0, 2.0, 32.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 48.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'M  ROS      ', 1, 2, 0.0, 8.96, 8.96, 8.96, 10.56, 1.6, 0.0, 0.0, 0.0, 0.0, 0.0, 3.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 5.12, 0.96, 9.28, 0.0, 0.0, 0.0, 0.0, 0.96, 0.0, 0.0, 0.0, 7.36, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'L  BLU      ', 1, 1, 3.0, 53.0, 53.0, 53.0, 65.0, 8.0, 0.0, 0.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 16.0, 1.0, 37.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'L  BLU      ', 0, 1, 3.0, 53.0, 53.0, 53.0, 65.0, 8.0, 0.0, 0.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 16.0, 1.0, 37.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'L  BLU      ', 2, 1, 3.0, 53.0, 53.0, 53.0, 65.0, 8.0, 0.0, 0.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 16.0, 1.0, 37.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '01', 'L  BLU      ', 2, 1, 6.0, 24.0, 24.0, 24.0, 33.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 10.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 38.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 23.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'L  BLU      ', 1, 2, 0.96, 16.96, 16.96, 16.96, 20.8, 2.56, 0.0, 0.0, 0.0, 0.0, 0.0, 6.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 5.12, 0.32, 11.84, 0.0, 0.0, 0.0, 0.0, 0.96, 0.0, 0.0, 0.0, 0.96, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.28, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'L  GRI      ', 1, 1, 5.0, 24.0, 24.0, 24.0, 22.0, 2.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 19.0, 1.0, 39.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 42.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'L  GRI      ', 0, 1, 5.0, 24.0, 24.0, 24.0, 22.0, 2.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 19.0, 1.0, 39.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 42.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'L  GRI      ', 2, 1, 5.0, 24.0, 24.0, 24.0, 22.0, 2.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 19.0, 1.0, 39.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 42.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '01', 'L  GRI      ', 2, 1, 6.0, 19.0, 19.0, 19.0, 12.0, 7.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 15.0, 0.0, 29.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 32.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'L  GRI      ', 1, 2, 1.6, 7.68, 7.68, 7.68, 7.04, 0.64, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.08, 0.32, 12.48, 0.0, 0.0, 0.0, 0.0, 0.64, 0.0, 0.0, 0.0, 13.44, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'L  ROS      ', 1, 1, 1.0, 31.0, 31.0, 31.0, 23.0, 8.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 5.0, 2.0, 40.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 18.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'L  ROS      ', 0, 1, 1.0, 31.0, 31.0, 31.0, 23.0, 8.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 5.0, 2.0, 40.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 18.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'L  ROS      ', 2, 1, 1.0, 31.0, 31.0, 31.0, 23.0, 8.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 5.0, 2.0, 40.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 18.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '01', 'L  ROS      ', 2, 1, 10.0, 6.0, 6.0, 6.0, 5.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 11.0, 0.0, 7.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'L  ROS      ', 1, 2, 0.32, 9.92, 9.92, 9.92, 7.36, 2.56, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.6, 0.64, 12.8, 0.0, 0.0, 0.0, 0.0, 0.64, 0.0, 0.0, 0.0, 5.76, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.32, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'XL BLU      ', 1, 1, 3.0, 15.0, 15.0, 15.0, 30.0, 5.0, 0.0, 0.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 9.0, 1.0, 14.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 10.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'XL BLU      ', 0, 1, 3.0, 15.0, 15.0, 15.0, 30.0, 5.0, 0.0, 0.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 9.0, 1.0, 14.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 10.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'XL BLU      ', 2, 1, 3.0, 15.0, 15.0, 15.0, 30.0, 5.0, 0.0, 0.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 9.0, 1.0, 14.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 10.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '01', 'XL BLU      ', 2, 1, 4.0, 12.0, 12.0, 12.0, 9.0, 3.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 23.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 17.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'XL BLU      ', 1, 2, 0.96, 4.8, 4.8, 4.8, 9.6, 1.6, 0.0, 0.0, 0.0, 0.0, 0.0, 6.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.64, 0.0, 0.0, 0.0, 2.88, 0.32, 4.48, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.64, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'XL GRI      ', 1, 1, 7.0, 8.0, 8.0, 8.0, 5.0, 3.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 5.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'XL GRI      ', 0, 1, 7.0, 8.0, 8.0, 8.0, 5.0, 3.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 5.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'XL GRI      ', 2, 1, 7.0, 8.0, 8.0, 8.0, 5.0, 3.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 5.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '01', 'XL GRI      ', 2, 1, 16.0, 78.0, 78.0, 78.0, 77.0, 1.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 24.0, 0.0, 38.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'XL GRI      ', 1, 2, 2.24, 2.56, 2.56, 2.56, 1.6, 0.96, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.24, 0.32, 0.0, 0.0, 0.0, 0.0, 0.0, 0.64, 0.0, 0.0, 0.0, 1.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.28, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'XL ROS      ', 1, 1, 19.0, 59.0, 59.0, 59.0, 57.0, 2.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 13.0, 3.0, 33.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0, 13.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'XL ROS      ', 0, 1, 19.0, 59.0, 59.0, 59.0, 57.0, 2.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 13.0, 3.0, 33.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0, 13.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'XL ROS      ', 2, 1, 19.0, 59.0, 59.0, 59.0, 57.0, 2.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 13.0, 3.0, 33.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0, 13.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '01', 'XL ROS      ', 2, 1, 8.0, 35.0, 35.0, 35.0, 43.0, 2.0, 0.0, 0.0, 0.0, 0.0, 0.0, 10.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 30.0, 2.0, 10.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 13.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'XL ROS      ', 1, 2, 6.08, 18.88, 18.88, 18.88, 18.24, 0.64, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.16, 0.96, 10.56, 0.0, 0.0, 0.0, 0.0, 1.28, 0.0, 0.0, 0.0, 4.16, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'XS BLU      ', 1, 1, 5.0, 9.0, 9.0, 9.0, 2.0, 7.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 19.0, 1.0, 25.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 40.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'XS BLU      ', 0, 1, 5.0, 9.0, 9.0, 9.0, 2.0, 7.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 19.0, 1.0, 25.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 40.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'XS BLU      ', 2, 1, 5.0, 9.0, 9.0, 9.0, 2.0, 7.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 19.0, 1.0, 25.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 40.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '01', 'XS BLU      ', 2, 1, 16.0, 53.0, 53.0, 53.0, 66.0, 7.0, 0.0, 0.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 10.0, 2.0, 30.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'XS BLU      ', 1, 2, 1.6, 2.88, 2.88, 2.88, 0.64, 2.24, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.08, 0.32, 8.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 12.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.32, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'XXLGRI      ', 1, 1, 3.0, 11.0, 11.0, 11.0, 11.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 24.0, 0.0, 5.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'XXLGRI      ', 0, 1, 3.0, 11.0, 11.0, 11.0, 11.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 24.0, 0.0, 5.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'XXLGRI      ', 2, 1, 3.0, 11.0, 11.0, 11.0, 11.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 24.0, 0.0, 5.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '01', 'XXLGRI      ', 2, 1, 18.0, 43.0, 43.0, 43.0, 55.0, 8.0, 0.0, 0.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 25.0, 0.0, 14.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 16.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'XXLGRI      ', 1, 2, 0.96, 3.52, 3.52, 3.52, 3.52, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.68, 0.0, 1.6, 0.0, 0.0, 0.0, 0.0, 0.96, 0.0, 0.0, 0.0, 6.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.28, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'M  VER      ', 1, 1, 19.0, 4.0, 4.0, 4.0, 14.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 10.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 28.0, 0.0, 7.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0, 54.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'M  VER      ', 0, 1, 19.0, 4.0, 4.0, 4.0, 14.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 10.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 28.0, 0.0, 7.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0, 54.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'M  VER      ', 2, 1, 19.0, 4.0, 4.0, 4.0, 14.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 10.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 28.0, 0.0, 7.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0, 54.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '01', 'M  VER      ', 2, 1, 2.0, 15.0, 15.0, 15.0, 14.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 19.0, 2.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 11.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'M  VER      ', 1, 2, 6.08, 1.28, 1.28, 1.28, 4.48, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 8.96, 0.0, 2.24, 0.0, 0.0, 0.0, 0.0, 1.28, 0.0, 0.0, 0.0, 17.28, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'L  CAM      ', 1, 1, 10.0, 40.0, 40.0, 40.0, 49.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 10.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.0, 1.0, 21.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'L  CAM      ', 0, 1, 10.0, 40.0, 40.0, 40.0, 49.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 10.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.0, 1.0, 21.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'L  CAM      ', 2, 1, 10.0, 40.0, 40.0, 40.0, 49.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 10.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.0, 1.0, 21.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '01', 'L  CAM      ', 2, 1, 1.0, 21.0, 21.0, 21.0, 39.0, 2.0, 0.0, 0.0, 0.0, 0.0, 0.0, 20.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 20.0, 1.0, 11.0, 0.0, 0.0, 0.0, 0.0, 5.0, 0.0, 0.0, 0.0, 15.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '01', 'L  CAM      ', 1, 2, 3.2, 12.8, 12.8, 12.8, 15.68, 0.32, 0.0, 0.0, 0.0, 0.0, 0.0, 3.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.24, 0.32, 6.72, 0.0, 0.0, 0.0, 0.0, 1.92, 0.0, 0.0, 0.0, 0.32, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.28, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'S  BLU      ', 1, 1, 5.4, 3.0, 3.0, 3.0, 8.7, 0.3, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 8.1, 0.3, 5.7, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 16.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'S  BLU      ', 0, 1, 5.4, 3.0, 3.0, 3.0, 8.7, 0.3, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 8.1, 0.3, 5.7, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 16.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'S  BLU      ', 2, 1, 5.4, 3.0, 3.0, 3.0, 8.7, 0.3, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 8.1, 0.3, 5.7, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 16.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '02', 'S  BLU      ', 2, 1, 0.3, 3.0, 3.0, 3.0, 8.1, 0.9, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.3, 0.0, 0.0, 0.0, 1.8, 0.9, 4.2, 0.0, 0.0, 0.0, 0.0, 0.3, 0.0, 0.0, 0.0, 4.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.3, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'S  BLU      ', 1, 2, 1.728, 0.96, 0.96, 0.96, 2.784, 0.096, 0.0, 0.0, 0.0, 0.0, 0.0, 1.92, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.592, 0.096, 1.824, 0.0, 0.0, 0.0, 0.0, 0.384, 0.0, 0.0, 0.0, 5.28, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.384, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'S  GRI      ', 1, 1, 5.1, 8.7, 8.7, 8.7, 13.5, 1.2, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.9, 0.6, 9.0, 0.0, 0.0, 0.0, 0.0, 0.3, 0.0, 0.0, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'S  GRI      ', 0, 1, 5.1, 8.7, 8.7, 8.7, 13.5, 1.2, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.9, 0.6, 9.0, 0.0, 0.0, 0.0, 0.0, 0.3, 0.0, 0.0, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'S  GRI      ', 2, 1, 5.1, 8.7, 8.7, 8.7, 13.5, 1.2, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.9, 0.6, 9.0, 0.0, 0.0, 0.0, 0.0, 0.3, 0.0, 0.0, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '02', 'S  GRI      ', 2, 1, 2.4, 6.6, 6.6, 6.6, 12.0, 0.6, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.9, 12.0, 0.0, 0.0, 0.0, 0.0, 1.5, 0.0, 0.0, 0.0, 9.3, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.9, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'S  GRI      ', 1, 2, 1.632, 2.784, 2.784, 2.784, 4.32, 0.384, 0.0, 0.0, 0.0, 0.0, 0.0, 1.92, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.208, 0.192, 2.88, 0.0, 0.0, 0.0, 0.0, 0.096, 0.0, 0.0, 0.0, 3.84, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.384, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'M  BLU      ', 1, 1, 3.9, 6.3, 6.3, 6.3, 4.5, 1.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.5, 0.6, 8.7, 0.0, 0.0, 0.0, 0.0, 0.9, 0.0, 0.0, 0.0, 14.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.9, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'M  BLU      ', 0, 1, 3.9, 6.3, 6.3, 6.3, 4.5, 1.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.5, 0.6, 8.7, 0.0, 0.0, 0.0, 0.0, 0.9, 0.0, 0.0, 0.0, 14.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.9, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'M  BLU      ', 2, 1, 3.9, 6.3, 6.3, 6.3, 4.5, 1.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.5, 0.6, 8.7, 0.0, 0.0, 0.0, 0.0, 0.9, 0.0, 0.0, 0.0, 14.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.9, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '02', 'M  BLU      ', 2, 1, 2.7, 3.6, 3.6, 3.6, 3.0, 0.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.6, 0.6, 3.3, 0.0, 0.0, 0.0, 0.0, 1.5, 0.0, 0.0, 0.0, 7.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.9, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'M  BLU      ', 1, 2, 1.248, 2.016, 2.016, 2.016, 1.44, 0.576, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.4, 0.192, 2.784, 0.0, 0.0, 0.0, 0.0, 0.288, 0.0, 0.0, 0.0, 4.608, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.288, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'M  GRI      ', 1, 1, 4.5, 8.1, 8.1, 8.1, 14.1, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.3, 0.3, 5.4, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 8.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'M  GRI      ', 0, 1, 4.5, 8.1, 8.1, 8.1, 14.1, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.3, 0.3, 5.4, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 8.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'M  GRI      ', 2, 1, 4.5, 8.1, 8.1, 8.1, 14.1, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.3, 0.3, 5.4, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 8.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '02', 'M  GRI      ', 2, 1, 0.3, 11.1, 11.1, 11.1, 9.6, 1.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.3, 0.3, 9.3, 0.0, 0.0, 0.0, 0.0, 0.3, 0.0, 0.0, 0.0, 4.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'M  GRI      ', 1, 2, 1.44, 2.592, 2.592, 2.592, 4.512, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.92, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.016, 0.096, 1.728, 0.0, 0.0, 0.0, 0.0, 0.192, 0.0, 0.0, 0.0, 2.688, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.192, 0.0, 0.0, 0.0)
GO
INSERT INTO MG70_MAGPROQTA (MG70_DITTA_CG18, MG70_CODART_MG66, MG70_ANNO, MG70_CODDEP_MG58, MG70_OPZIONE_MG5E, MG70_TIPOPROG, MG70_TIPOQTA, MG70_QGIACINI, MG70_QGIACATT, MG70_QGIACEFF, MG70_QGIACFIS, MG70_QDISPONIB, MG70_QIMPCLI, MG70_QIMPPROD, MG70_QIMPCLAVFOR, MG70_QPREIMPCLI, MG70_QBLOCSPED, MG70_QDACONTR, MG70_QORDFOR, MG70_QORDPROD, MG70_QPREIMPFOR, MG70_QDAVAL, MG70_QENTCVIS, MG70_QENTCRIP, MG70_QENCDEP, MG70_QENCNOLO, MG70_QUSCCVIS, MG70_QUSCCRIP, MG70_QUSCDEP, MG70_QUSCNOLO, MG70_QCARACQ, MG70_QCARESORCLI, MG70_QCARPROD, MG70_QCARCLAVCLI, MG70_QCARCLAVFOR, MG70_QCAROMAG, MG70_QCARGENER, MG70_QCARTRASF, MG70_QCARSOST, MG70_QCARLIB1, MG70_QCARLIB2, MG70_QSCAVEN, MG70_QSCASCART, MG70_QSCAOMAGQ, MG70_QSCACLAVCLI, MG70_QSCACLAVFOR, MG70_QSCAPROD, MG70_QSCARESOFOR, MG70_QSCAGENER, MG70_QSCATRASF, MG70_QSCASOST, MG70_QSCALIB1, MG70_QSCALIB2) VALUES
    (1, 'MAGLIA-001', 2026, '02', 'L  BLU      ', 1, 1, 1.8, 1.8, 1.8, 1.8, 4.5, 0.3, 0.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.8, 0.3, 11.1, 0.0, 0.0, 0.0, 0.0, 0.3, 0.0, 0.0, 0.0, 13.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'L  BLU      ', 0, 1, 1.8, 1.8, 1.8, 1.8, 4.5, 0.3, 0.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.8, 0.3, 11.1, 0.0, 0.0, 0.0, 0.0, 0.3, 0.0, 0.0, 0.0, 13.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'L  BLU      ', 2, 1, 1.8, 1.8, 1.8, 1.8, 4.5, 0.3, 0.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.8, 0.3, 11.1, 0.0, 0.0, 0.0, 0.0, 0.3, 0.0, 0.0, 0.0, 13.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '02', 'L  BLU      ', 2, 1, 6.0, 3.9, 3.9, 3.9, 8.4, 1.5, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.3, 0.3, 0.9, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 4.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'L  BLU      ', 1, 2, 0.576, 0.576, 0.576, 0.576, 1.44, 0.096, 0.0, 0.0, 0.0, 0.0, 0.0, 0.96, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.576, 0.096, 3.552, 0.0, 0.0, 0.0, 0.0, 0.096, 0.0, 0.0, 0.0, 4.32, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'L  GRI      ', 1, 1, 3.0, 5.4, 5.4, 5.4, 3.6, 1.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.8, 0.3, 1.8, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 7.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.9, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'L  GRI      ', 0, 1, 3.0, 5.4, 5.4, 5.4, 3.6, 1.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.8, 0.3, 1.8, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 7.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.9, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'L  GRI      ', 2, 1, 3.0, 5.4, 5.4, 5.4, 3.6, 1.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.8, 0.3, 1.8, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 7.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.9, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '02', 'L  GRI      ', 2, 1, 0.9, 4.5, 4.5, 4.5, 8.7, 1.8, 0.0, 0.0, 0.0, 0.9, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.3, 11.1, 0.0, 0.0, 0.0, 0.0, 0.9, 0.0, 0.0, 0.0, 9.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.3, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'L  GRI      ', 1, 2, 0.96, 1.728, 1.728, 1.728, 1.152, 0.576, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.496, 0.096, 0.576, 0.0, 0.0, 0.0, 0.0, 0.384, 0.0, 0.0, 0.0, 2.496, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.288, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'XL BLU      ', 1, 1, 3.3, 6.9, 6.9, 6.9, 5.4, 1.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.8, 0.9, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 4.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'XL BLU      ', 0, 1, 3.3, 6.9, 6.9, 6.9, 5.4, 1.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.8, 0.9, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 4.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'XL BLU      ', 2, 1, 3.3, 6.9, 6.9, 6.9, 5.4, 1.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.8, 0.9, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 4.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '02', 'XL BLU      ', 2, 1, 3.9, 6.9, 6.9, 6.9, 11.4, 1.5, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.7, 0.3, 7.2, 0.0, 0.0, 0.0, 0.0, 1.5, 0.0, 0.0, 0.0, 8.7, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'XL BLU      ', 1, 2, 1.056, 2.208, 2.208, 2.208, 1.728, 0.48, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.496, 0.288, 0.0, 0.0, 0.0, 0.0, 0.0, 0.192, 0.0, 0.0, 0.0, 1.44, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.384, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'XL GRI      ', 1, 1, 1.8, 11.4, 11.4, 11.4, 17.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.3, 0.9, 7.5, 0.0, 0.0, 0.0, 0.0, 0.9, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'XL GRI      ', 0, 1, 1.8, 11.4, 11.4, 11.4, 17.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.3, 0.9, 7.5, 0.0, 0.0, 0.0, 0.0, 0.9, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'XL GRI      ', 2, 1, 1.8, 11.4, 11.4, 11.4, 17.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.3, 0.9, 7.5, 0.0, 0.0, 0.0, 0.0, 0.9, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '02', 'XL GRI      ', 2, 1, 5.4, 8.4, 8.4, 8.4, 6.0, 2.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.7, 0.3, 0.6, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'XL GRI      ', 1, 2, 0.576, 3.648, 3.648, 3.648, 5.568, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.92, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.096, 0.288, 2.4, 0.0, 0.0, 0.0, 0.0, 0.288, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'XS BLU      ', 1, 1, 2.4, 11.1, 11.1, 11.1, 16.8, 0.3, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.5, 0.3, 4.2, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 3.3, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'XS BLU      ', 0, 1, 2.4, 11.1, 11.1, 11.1, 16.8, 0.3, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.5, 0.3, 4.2, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 3.3, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'XS BLU      ', 2, 1, 2.4, 11.1, 11.1, 11.1, 16.8, 0.3, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.5, 0.3, 4.2, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 3.3, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '02', 'XS BLU      ', 2, 1, 5.1, 1.8, 1.8, 1.8, 0.3, 1.5, 0.0, 0.0, 0.0, 0.3, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.2, 0.9, 4.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 16.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'XS BLU      ', 1, 2, 0.768, 3.552, 3.552, 3.552, 5.376, 0.096, 0.0, 0.0, 0.0, 0.0, 0.0, 1.92, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.4, 0.096, 1.344, 0.0, 0.0, 0.0, 0.0, 0.192, 0.0, 0.0, 0.0, 1.056, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.192, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'XXLGRI      ', 1, 1, 4.5, 2.7, 2.7, 2.7, 2.7, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.2, 0.3, 2.7, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'XXLGRI      ', 0, 1, 4.5, 2.7, 2.7, 2.7, 2.7, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.2, 0.3, 2.7, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'XXLGRI      ', 2, 1, 4.5, 2.7, 2.7, 2.7, 2.7, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.2, 0.3, 2.7, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '02', 'XXLGRI      ', 2, 1, 3.0, 4.2, 4.2, 4.2, 2.7, 1.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 8.4, 0.0, 0.0, 0.0, 0.0, 0.3, 0.0, 0.0, 0.0, 10.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.3, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'XXLGRI      ', 1, 2, 1.44, 0.864, 0.864, 0.864, 0.864, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.304, 0.096, 0.864, 0.0, 0.0, 0.0, 0.0, 0.384, 0.0, 0.0, 0.0, 3.84, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.384, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'M  VER      ', 1, 1, 1.2, 10.5, 10.5, 10.5, 8.4, 2.1, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.9, 0.3, 3.3, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'M  VER      ', 0, 1, 1.2, 10.5, 10.5, 10.5, 8.4, 2.1, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.9, 0.3, 3.3, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'M  VER      ', 2, 1, 1.2, 10.5, 10.5, 10.5, 8.4, 2.1, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.9, 0.3, 3.3, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '02', 'M  VER      ', 2, 1, 1.8, 5.4, 5.4, 5.4, 10.5, 0.9, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.3, 0.0, 11.4, 0.0, 0.0, 0.0, 0.0, 0.3, 0.0, 0.0, 0.0, 14.1, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.3, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'M  VER      ', 1, 2, 0.384, 3.36, 3.36, 3.36, 2.688, 0.672, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.208, 0.096, 1.056, 0.0, 0.0, 0.0, 0.0, 0.192, 0.0, 0.0, 0.0, 0.192, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.384, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'L  CAM      ', 1, 1, 3.3, 8.7, 8.7, 8.7, 6.6, 2.1, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.9, 0.3, 3.6, 0.0, 0.0, 0.0, 0.0, 0.9, 0.0, 0.0, 0.0, 2.1, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'L  CAM      ', 0, 1, 3.3, 8.7, 8.7, 8.7, 6.6, 2.1, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.9, 0.3, 3.6, 0.0, 0.0, 0.0, 0.0, 0.9, 0.0, 0.0, 0.0, 2.1, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'L  CAM      ', 2, 1, 3.3, 8.7, 8.7, 8.7, 6.6, 2.1, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.9, 0.3, 3.6, 0.0, 0.0, 0.0, 0.0, 0.9, 0.0, 0.0, 0.0, 2.1, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2025, '02', 'L  CAM      ', 2, 1, 2.7, 8.7, 8.7, 8.7, 6.6, 2.1, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 8.7, 0.3, 0.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.3, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.3, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '02', 'L  CAM      ', 1, 2, 1.056, 2.784, 2.784, 2.784, 2.112, 0.672, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.248, 0.096, 1.152, 0.0, 0.0, 0.0, 0.0, 0.288, 0.0, 0.0, 0.0, 0.672, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.384, 0.0, 0.0, 0.0),
    (1, 'MAGLIA-001', 2026, '03', '   GRI      ', 1, 1, 12, 9, 9, 9, 9, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0),
    (1, 'MAGLIA-001', 2026, '03', 'L  GRI      ', 1, 1, 6.5, 27.5, 27.5, 27.5, 25.5, 2.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.5, 1.0, 17.0, 0.0, 0.0, 0.0, 0.0, 1.5, 0.0, 0.0, 0.0, 3.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.5, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '46 BEI30REG ', 1, 1, 1.2, 26.4, 26.4, 26.4, 24.6, 1.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.2, 1.8, 23.4, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 6.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.8, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '46 BEI30REG ', 2, 1, 7.2, 19.8, 19.8, 19.8, 15.6, 4.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 10.2, 0.6, 21.6, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 20.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '46 BEI32REG ', 1, 1, 1.8, 19.2, 19.2, 19.2, 15.6, 3.6, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 18.0, 1.2, 1.2, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0, 4.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '46 BEI32REG ', 2, 1, 10.8, 10.8, 10.8, 10.8, 10.2, 0.6, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 8.4, 1.8, 8.4, 0.0, 0.0, 0.0, 0.0, 3.6, 0.0, 0.0, 0.0, 22.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '46 BEI34REG ', 1, 1, 3.6, 7.8, 7.8, 7.8, 13.2, 0.6, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.2, 0.6, 22.2, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0, 22.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '46 BEI34REG ', 2, 1, 5.4, 13.2, 13.2, 13.2, 24.0, 1.2, 0.0, 0.0, 0.0, 0.0, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 16.2, 0.6, 21.6, 0.0, 0.0, 0.0, 0.0, 3.6, 0.0, 0.0, 0.0, 31.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '46 BLU30REG ', 1, 1, 4.8, 9.0, 9.0, 9.0, 7.8, 1.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 9.0, 0.0, 1.8, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.8, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '46 BLU30REG ', 2, 1, 9.6, 10.2, 10.2, 10.2, 7.2, 3.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 13.8, 0.6, 23.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 36.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '46 BLU32REG ', 1, 1, 9.0, 2.4, 2.4, 2.4, 1.8, 0.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.6, 0.0, 20.4, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 34.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '46 BLU32REG ', 2, 1, 4.2, 14.4, 14.4, 14.4, 15.6, 4.8, 0.0, 0.0, 0.0, 1.2, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 2.4, 0.6, 12.6, 0.0, 0.0, 0.0, 0.0, 3.6, 0.0, 0.0, 0.0, 7.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.8, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '46 BLU34REG ', 1, 1, 8.4, 8.4, 8.4, 8.4, 9.6, 4.8, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 16.8, 1.8, 8.4, 0.0, 0.0, 0.0, 0.0, 3.6, 0.0, 0.0, 0.0, 29.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '46 BLU34REG ', 2, 1, 0.6, 21.6, 21.6, 21.6, 18.0, 3.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 5.4, 0.0, 21.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 5.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '46 NER30REG ', 1, 1, 6.0, 13.8, 13.8, 13.8, 10.2, 3.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 13.2, 1.2, 9.6, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 16.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '46 NER30REG ', 2, 1, 6.0, 37.2, 37.2, 37.2, 48.6, 0.6, 0.0, 0.0, 0.0, 1.2, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 16.2, 0.0, 18.6, 0.0, 0.0, 0.0, 0.0, 3.6, 0.0, 0.0, 0.0, 5.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.8, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '46 NER32REG ', 1, 1, 6.0, 26.4, 26.4, 26.4, 25.2, 1.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 8.4, 1.2, 17.4, 0.0, 0.0, 0.0, 0.0, 3.6, 0.0, 0.0, 0.0, 9.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '46 NER32REG ', 2, 1, 6.0, 7.8, 7.8, 7.8, 18.6, 1.2, 0.0, 0.0, 0.0, 0.0, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.8, 1.2, 18.0, 0.0, 0.0, 0.0, 0.0, 1.8, 0.0, 0.0, 0.0, 24.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '46 NER34REG ', 1, 1, 7.2, 39.6, 39.6, 39.6, 39.0, 0.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 11.4, 0.6, 21.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.8, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '46 NER34REG ', 2, 1, 6.0, 8.4, 8.4, 8.4, 14.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 9.0, 0.6, 11.4, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0, 20.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '48 BEI30REG ', 1, 1, 8.4, 32.4, 32.4, 32.4, 29.4, 3.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 13.2, 0.6, 21.6, 0.0, 0.0, 0.0, 0.0, 1.8, 0.0, 0.0, 0.0, 10.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '48 BEI30REG ', 2, 1, 10.8, 18.0, 18.0, 18.0, 17.4, 0.6, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.2, 1.8, 17.4, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0, 17.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '48 BEI32REG ', 1, 1, 0.6, 9.6, 9.6, 9.6, 6.6, 3.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 8.4, 0.6, 18.6, 0.0, 0.0, 0.0, 0.0, 1.8, 0.0, 0.0, 0.0, 19.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '48 BEI32REG ', 2, 1, 9.6, 15.0, 15.0, 15.0, 18.6, 2.4, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 8.4, 1.8, 5.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 10.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '48 BEI34REG ', 1, 1, 11.4, 24.0, 24.0, 24.0, 21.0, 3.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.0, 1.8, 13.2, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 4.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '48 BEI34REG ', 2, 1, 9.6, 17.4, 17.4, 17.4, 26.4, 3.0, 0.0, 0.0, 0.0, 0.6, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.8, 1.2, 9.6, 0.0, 0.0, 0.0, 0.0, 1.8, 0.0, 0.0, 0.0, 5.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '48 BLU30REG ', 1, 1, 3.6, 6.0, 6.0, 6.0, 3.0, 3.0, 0.0, 0.0, 0.0, 1.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 9.0, 1.2, 16.8, 0.0, 0.0, 0.0, 0.0, 3.6, 0.0, 0.0, 0.0, 28.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '48 BLU30REG ', 2, 1, 5.4, 13.8, 13.8, 13.8, 24.6, 1.2, 0.0, 0.0, 0.0, 0.0, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.2, 0.0, 14.4, 0.0, 0.0, 0.0, 0.0, 3.6, 0.0, 0.0, 0.0, 14.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '48 BLU32REG ', 1, 1, 7.2, 36.6, 36.6, 36.6, 31.8, 4.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 9.6, 1.8, 17.4, 0.0, 0.0, 0.0, 0.0, 3.6, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '48 BLU32REG ', 2, 1, 0.6, 25.8, 25.8, 25.8, 25.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 13.2, 1.8, 22.2, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '48 BLU34REG ', 1, 1, 0.0, 11.4, 11.4, 11.4, 10.8, 0.6, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 10.2, 1.2, 0.6, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '48 BLU34REG ', 2, 1, 9.6, 32.4, 32.4, 32.4, 36.6, 1.8, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 11.4, 1.2, 22.2, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '48 NER30REG ', 1, 1, 7.8, 31.2, 31.2, 31.2, 27.6, 3.6, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.8, 1.8, 19.2, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0, 4.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '48 NER30REG ', 2, 1, 2.4, 26.4, 26.4, 26.4, 25.8, 0.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 12.6, 0.0, 17.4, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0, 7.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '48 NER32REG ', 1, 1, 0.0, 10.2, 10.2, 10.2, 15.6, 0.6, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 13.8, 1.8, 4.2, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 8.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '48 NER32REG ', 2, 1, 11.4, 21.0, 21.0, 21.0, 17.4, 3.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.2, 1.8, 7.8, 0.0, 0.0, 0.0, 0.0, 3.6, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.8, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '48 NER34REG ', 1, 1, 2.4, 7.8, 7.8, 7.8, 13.2, 0.6, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 9.0, 0.0, 1.8, 0.0, 0.0, 0.0, 0.0, 1.8, 0.0, 0.0, 0.0, 7.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '48 NER34REG ', 2, 1, 12.0, 30.0, 30.0, 30.0, 40.8, 1.2, 0.0, 0.0, 0.0, 0.0, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 16.2, 0.0, 13.2, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 10.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '50 BEI30REG ', 1, 1, 5.4, 22.8, 22.8, 22.8, 20.4, 2.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 23.4, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 6.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '50 BEI30REG ', 2, 1, 7.8, 4.2, 4.2, 4.2, 10.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.2, 1.2, 7.2, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0, 19.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '50 BEI32REG ', 1, 1, 6.6, 12.6, 12.6, 12.6, 24.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 1.8, 13.2, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 10.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '50 BEI32REG ', 2, 1, 5.4, 6.6, 6.6, 6.6, 9.6, 3.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 1.2, 15.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 15.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '50 BEI34REG ', 1, 1, 2.4, 9.0, 9.0, 9.0, 7.2, 1.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.0, 1.2, 16.2, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 16.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '50 BEI34REG ', 2, 1, 7.2, 18.6, 18.6, 18.6, 17.4, 1.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.8, 1.2, 6.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 3.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '50 BLU30REG ', 1, 1, 7.8, 6.6, 6.6, 6.6, 16.8, 1.8, 0.0, 0.0, 0.0, 0.0, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.2, 0.6, 13.2, 0.0, 0.0, 0.0, 0.0, 1.8, 0.0, 0.0, 0.0, 23.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '50 BLU30REG ', 2, 1, 7.8, 39.6, 39.6, 39.6, 50.4, 1.2, 0.0, 0.0, 0.0, 1.8, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 18.0, 0.0, 15.6, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.8, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '50 BLU32REG ', 1, 1, 10.8, 34.8, 34.8, 34.8, 31.8, 3.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.6, 0.6, 22.8, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 6.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '50 BLU32REG ', 2, 1, 6.0, 1.2, 1.2, 1.2, 0.0, 1.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 12.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 16.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.8, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '50 BLU34REG ', 1, 1, 11.4, 22.8, 22.8, 22.8, 18.0, 4.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.0, 1.2, 10.8, 0.0, 0.0, 0.0, 0.0, 1.8, 0.0, 0.0, 0.0, 4.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '50 BLU34REG ', 2, 1, 7.2, 13.8, 13.8, 13.8, 25.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 5.4, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '50 NER30REG ', 1, 1, 0.0, 4.8, 4.8, 4.8, 6.0, 4.8, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 1.8, 19.2, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 18.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '50 NER30REG ', 2, 1, 10.8, 7.2, 7.2, 7.2, 9.0, 4.2, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.8, 1.8, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 10.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '50 NER32REG ', 1, 1, 10.2, 4.2, 4.2, 4.2, 13.8, 2.4, 0.0, 0.0, 0.0, 0.0, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 2.4, 1.8, 19.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 30.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '50 NER32REG ', 2, 1, 10.2, 13.2, 13.2, 13.2, 8.4, 4.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 16.2, 0.0, 10.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 21.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '50 NER34REG ', 1, 1, 0.0, 4.8, 4.8, 4.8, 8.4, 2.4, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 14.4, 1.8, 4.8, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 17.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '50 NER34REG ', 2, 1, 4.8, 19.2, 19.2, 19.2, 17.4, 1.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 18.0, 0.0, 16.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 19.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '52 BEI30REG ', 1, 1, 9.6, 16.2, 16.2, 16.2, 16.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 13.2, 0.0, 15.0, 0.0, 0.0, 0.0, 0.0, 1.8, 0.0, 0.0, 0.0, 21.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.8, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '52 BEI30REG ', 2, 1, 9.6, 23.4, 23.4, 23.4, 25.8, 3.6, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 10.8, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0, 1.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '52 BEI32REG ', 1, 1, 7.2, 24.6, 24.6, 24.6, 24.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 21.6, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 4.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '52 BEI32REG ', 2, 1, 2.4, 43.2, 43.2, 43.2, 46.8, 2.4, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 17.4, 1.8, 19.8, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0)
GO
INSERT INTO MG70_MAGPROQTA (MG70_DITTA_CG18, MG70_CODART_MG66, MG70_ANNO, MG70_CODDEP_MG58, MG70_OPZIONE_MG5E, MG70_TIPOPROG, MG70_TIPOQTA, MG70_QGIACINI, MG70_QGIACATT, MG70_QGIACEFF, MG70_QGIACFIS, MG70_QDISPONIB, MG70_QIMPCLI, MG70_QIMPPROD, MG70_QIMPCLAVFOR, MG70_QPREIMPCLI, MG70_QBLOCSPED, MG70_QDACONTR, MG70_QORDFOR, MG70_QORDPROD, MG70_QPREIMPFOR, MG70_QDAVAL, MG70_QENTCVIS, MG70_QENTCRIP, MG70_QENCDEP, MG70_QENCNOLO, MG70_QUSCCVIS, MG70_QUSCCRIP, MG70_QUSCDEP, MG70_QUSCNOLO, MG70_QCARACQ, MG70_QCARESORCLI, MG70_QCARPROD, MG70_QCARCLAVCLI, MG70_QCARCLAVFOR, MG70_QCAROMAG, MG70_QCARGENER, MG70_QCARTRASF, MG70_QCARSOST, MG70_QCARLIB1, MG70_QCARLIB2, MG70_QSCAVEN, MG70_QSCASCART, MG70_QSCAOMAGQ, MG70_QSCACLAVCLI, MG70_QSCACLAVFOR, MG70_QSCAPROD, MG70_QSCARESOFOR, MG70_QSCAGENER, MG70_QSCATRASF, MG70_QSCASOST, MG70_QSCALIB1, MG70_QSCALIB2) VALUES
    (1, 'PANT-001', 2026, '01', '52 BEI34REG ', 1, 1, 5.4, 3.6, 3.6, 3.6, 15.6, 0.0, 0.0, 0.0, 0.0, 1.8, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 1.8, 14.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 18.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '52 BEI34REG ', 2, 1, 1.2, 5.4, 5.4, 5.4, 1.8, 3.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 7.2, 0.6, 24.0, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0, 28.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '52 BLU30REG ', 1, 1, 10.2, 37.2, 37.2, 37.2, 33.6, 3.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 6.6, 1.2, 19.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '52 BLU30REG ', 2, 1, 6.0, 12.0, 12.0, 12.0, 13.2, 4.8, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.0, 1.8, 3.6, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '52 BLU32REG ', 1, 1, 4.8, 33.0, 33.0, 33.0, 30.0, 3.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 17.4, 0.0, 20.4, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 12.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '52 BLU32REG ', 2, 1, 12.0, 27.6, 27.6, 27.6, 33.0, 0.6, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 1.2, 0.6, 19.2, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 6.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.8, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '52 BLU34REG ', 1, 1, 8.4, 18.6, 18.6, 18.6, 17.4, 1.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 5.4, 1.2, 10.2, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0, 8.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '52 BLU34REG ', 2, 1, 0.0, 26.4, 26.4, 26.4, 35.4, 3.0, 0.0, 0.0, 0.0, 0.0, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 10.8, 1.2, 23.4, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0, 11.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '52 NER30REG ', 1, 1, 1.8, 6.0, 6.0, 6.0, 1.8, 4.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 15.0, 0.6, 10.8, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0, 22.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '52 NER30REG ', 2, 1, 0.6, 5.4, 5.4, 5.4, 14.4, 3.0, 0.0, 0.0, 0.0, 0.6, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.8, 0.6, 2.4, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 4.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '52 NER32REG ', 1, 1, 1.8, 24.0, 24.0, 24.0, 26.4, 3.6, 0.0, 0.0, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 3.6, 0.0, 23.4, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0, 4.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '52 NER32REG ', 2, 1, 1.8, 3.6, 3.6, 3.6, 3.6, 0.0, 0.0, 0.0, 0.0, 1.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 16.8, 0.6, 1.8, 0.0, 0.0, 0.0, 0.0, 3.0, 0.0, 0.0, 0.0, 20.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2026, '01', '52 NER34REG ', 1, 1, 10.8, 17.4, 17.4, 17.4, 29.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 12.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 9.0, 0.6, 19.8, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 23.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0),
    (1, 'PANT-001', 2025, '01', '52 NER34REG ', 2, 1, 10.8, 16.8, 16.8, 16.8, 16.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 10.2, 1.2, 16.8, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 20.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.4, 0.0, 0.0, 0.0),
    (1, 'GIACCA-001', 2026, '01', '48 GRI      ', 1, 1, 2.8, 7.0, 7.0, 7.0, 6.8, 0.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.8, 0.0, 2.8, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 1.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'GIACCA-001', 2026, '01', '48 CAM      ', 1, 1, 3.4, 12.8, 12.8, 12.8, 11.2, 1.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.4, 0.4, 6.6, 0.0, 0.0, 0.0, 0.0, 1.2, 0.0, 0.0, 0.0, 0.8, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.4, 0.0, 0.0, 0.0),
    (1, 'GIACCA-001', 2026, '01', '50 GRI      ', 1, 1, 1.0, 3.6, 3.6, 3.6, 3.4, 0.2, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 1.6, 0.2, 8.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 6.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.8, 0.0, 0.0, 0.0),
    (1, 'GIACCA-001', 2026, '01', '50 CAM      ', 1, 1, 1.0, 12.4, 12.4, 12.4, 11.0, 1.4, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 5.2, 0.6, 7.2, 0.0, 0.0, 0.0, 0.0, 0.4, 0.0, 0.0, 0.0, 1.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.6, 0.0, 0.0, 0.0),
    (1, 'GIACCA-001', 2026, '01', '52 GRI      ', 1, 1, 2.2, 1.6, 1.6, 1.6, 3.2, 0.4, 0.0, 0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 2.2, 0.4, 2.8, 0.0, 0.0, 0.0, 0.0, 0.4, 0.0, 0.0, 0.0, 6.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.4, 0.0, 0.0, 0.0),
    (1, 'GIACCA-001', 2026, '01', '52 CAM      ', 1, 1, 2.4, 4.4, 4.4, 4.4, 6.8, 1.6, 0.0, 0.0, 0.0, 0.2, 0.0, 4.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.0, 0.6, 4.4, 0.0, 0.0, 0.0, 0.0, 0.2, 0.0, 0.0, 0.0, 6.4, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.8, 0.0, 0.0, 0.0),
    (1, 'FILATO-MER', 2026, '01', '   BLU      ', 1, 1, 13.5, 162.0, 162.0, 162.0, 126.0, 36.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 27.0, 9.0, 121.5, 0.0, 0.0, 0.0, 0.0, 18.0, 0.0, 0.0, 0.0, 9.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 18.0, 0.0, 0.0, 0.0),
    (1, 'FILATO-MER', 2026, '01', '   GRI      ', 1, 1, 90.0, 9.0, 9.0, 9.0, 85.5, 13.5, 0.0, 0.0, 0.0, 0.0, 0.0, 90.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 31.5, 4.5, 49.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 166.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0),
    (1, 'FILATO-MER', 2026, '01', '   ROS      ', 1, 1, 0.0, 103.5, 103.5, 103.5, 126.0, 22.5, 0.0, 0.0, 0.0, 0.0, 0.0, 45.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 121.5, 9.0, 0.0, 0.0, 0.0, 0.0, 0.0, 22.5, 0.0, 0.0, 0.0, 45.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 4.5, 0.0, 0.0, 0.0),
    (1, 'FILATO-MER', 2026, '01', '   VER      ', 1, 1, 27.0, 211.5, 211.5, 211.5, 207.0, 4.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 72.0, 0.0, 148.5, 0.0, 0.0, 0.0, 0.0, 18.0, 0.0, 0.0, 0.0, 36.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 18.0, 0.0, 0.0, 0.0),
    (1, 'FILATO-MER', 2026, '01', '   NER      ', 1, 1, 72.0, 45.0, 45.0, 45.0, 103.5, 31.5, 0.0, 0.0, 0.0, 0.0, 0.0, 90.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 67.5, 4.5, 148.5, 0.0, 0.0, 0.0, 0.0, 4.5, 0.0, 0.0, 0.0, 252.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0)
GO

INSERT INTO MG7E_CLAVPROQTA (MG7E_DITTA_CG18, MG7E_CODART_MG66, MG7E_ANNO, MG7E_CODDEPPROV_MG58, MG7E_OPZIONE_MG5E, MG7E_TIPOPROG, MG7E_TIPOQTA, MG7E_INDCLAVATTPAS, MG7E_TIPOCF_CG44, MG7E_CLIFOR_CG44, MG7E_QGIACINI, MG7E_QGIACATT, MG7E_QGIACEFF, MG7E_QGIACFIS, MG7E_QDISPONIB, MG7E_QIMPCLI, MG7E_QIMPPROD, MG7E_QIMPCLAVFOR, MG7E_QPREIMPCLI, MG7E_QBLOCSPED, MG7E_QDACONTR, MG7E_QORDFOR, MG7E_QORDPROD, MG7E_QPREIMPFOR, MG7E_QDAVAL, MG7E_QENTCVIS, MG7E_QENTCRIP, MG7E_QENCDEP, MG7E_QENCNOLO, MG7E_QUSCCVIS, MG7E_QUSCCRIP, MG7E_QUSCDEP, MG7E_QUSCNOLO, MG7E_QCARACQ, MG7E_QCARESORCLI, MG7E_QCARPROD, MG7E_QCARCLAVCLI, MG7E_QCARCLAVFOR, MG7E_QCAROMAG, MG7E_QCARGENER, MG7E_QCARTRASF, MG7E_QCARSOST, MG7E_QCARLIB1, MG7E_QCARLIB2, MG7E_QSCAVEN, MG7E_QSCASCART, MG7E_QSCAOMAGQ, MG7E_QSCACLAVCLI, MG7E_QSCACLAVFOR, MG7E_QSCAPROD, MG7E_QSCARESOFOR, MG7E_QSCAGENER, MG7E_QSCATRASF, MG7E_QSCASOST, MG7E_QSCALIB1, MG7E_QSCALIB2) VALUES
    (1, 'MAGLIA-001', 2026, 'CLP', 'M  BLU      ', 1, 1, 1, 1, 2, 0, 15, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 25, 0, 0, 0, 0, 0, 0, 0),
    (1, 'MAGLIA-001', 2026, 'CLP', 'L  BLU      ', 1, 1, 1, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0),
    (1, 'MAGLIA-001', 2026, 'CLP', 'S  GRI      ', 1, 1, 1, 1, 4, 0, 12, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12, 0, 0, 0, 0, 0, 0, 0),
    (1, 'MAGLIA-001', 2026, 'CLA', 'L  GRI      ', 1, 1, 0, 0, 1, 0, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0),
    (1, 'MAGLIA-001', 2026, 'CLA', 'M  ROS      ', 1, 1, 0, 0, 2, 0, 10, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0),
    (1, 'MAGLIA-001', 2026, 'CLP', 'M  BLU      ', 0, 1, 1, 1, 2, 0, 15, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 25, 0, 0, 0, 0, 0, 0, 0),
    (1, 'MAGLIA-001', 2026, 'CLP', 'L  BLU      ', 0, 1, 1, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0),
    (1, 'MAGLIA-001', 2026, 'CLP', 'S  GRI      ', 0, 1, 1, 1, 4, 0, 12, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12, 0, 0, 0, 0, 0, 0, 0),
    (1, 'MAGLIA-001', 2026, 'CLA', 'L  GRI      ', 0, 1, 0, 0, 1, 0, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0),
    (1, 'MAGLIA-001', 2026, 'CLA', 'M  ROS      ', 0, 1, 0, 0, 2, 0, 10, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0),
    (1, 'MAGLIA-001', 2026, 'CLP', 'M  BLU      ', 2, 1, 1, 1, 2, 0, 15, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 25, 0, 0, 0, 0, 0, 0, 0),
    (1, 'MAGLIA-001', 2026, 'CLP', 'L  BLU      ', 2, 1, 1, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0),
    (1, 'MAGLIA-001', 2026, 'CLP', 'S  GRI      ', 2, 1, 1, 1, 4, 0, 12, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12, 0, 0, 0, 0, 0, 0, 0),
    (1, 'MAGLIA-001', 2026, 'CLA', 'L  GRI      ', 2, 1, 0, 0, 1, 0, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0),
    (1, 'MAGLIA-001', 2026, 'CLA', 'M  ROS      ', 2, 1, 0, 0, 2, 0, 10, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0),
    (1, 'MAGLIA-001', 2025, 'CLP', 'M  BLU      ', 2, 1, 1, 1, 2, 0, 15, 15, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 25, 0, 0, 0, 0, 0, 0, 0),
    (1, 'MAGLIA-001', 2025, 'CLP', 'L  BLU      ', 2, 1, 1, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 30, 0, 0, 0, 0, 0, 0, 0),
    (1, 'MAGLIA-001', 2025, 'CLP', 'S  GRI      ', 2, 1, 1, 1, 4, 0, 12, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12, 0, 0, 0, 0, 0, 0, 0),
    (1, 'MAGLIA-001', 2025, 'CLA', 'L  GRI      ', 2, 1, 0, 0, 1, 0, 5, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0),
    (1, 'MAGLIA-001', 2025, 'CLA', 'M  ROS      ', 2, 1, 0, 0, 2, 0, 10, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0),
    (1, 'GIACCA-001', 2026, 'CLP', '50 GRI      ', 1, 1, 1, 1, 4, 0, 8, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0)
GO

-- -------------------------------------------------------------- production
INSERT INTO PD18_ARTPROD (PD18_DITTA_CG18, PD18_CODART_MG66, PD18_CODCICLO, PD18_LOTTOECON, PD18_GGLAVORAZ) VALUES
    (1, 'MAGLIA-001', 'CIC-MAGL01', 120, 12),
    (1, 'MAGLIA-002', 'CIC-MAGL02', 40, 18),
    (1, 'PANT-001', 'CIC-PANT01', 200, 10),
    (1, 'GIACCA-001', 'CIC-CONF02', 30, 25),
    (2, 'ABITO-SU01', 'SU-MISURA', 1, 30)
GO

INSERT INTO PD95_DISBA (PD95_DITTA_CG18, PD95_CODART_MG66, PD95_OPZIONE, PD95_TIPO_DISTINTA, PD95_NRRIGA, PD95_CODCOMP_MG66, PD95_OPZCOMP, PD95_QTAUTIL, PD95_UM) VALUES
    (1, 'MAGLIA-001', '', 0, 10, 'FILATO-MER', '', 0.45, 'KG'),
    (1, 'MAGLIA-001', '', 0, 20, 'ETICH-VELD', '', 1, 'PZ'),
    (1, 'MAGLIA-001', 'M  BLU      ', 0, 10, 'FILATO-MER', '   BLU      ', 0.42, 'KG'),
    (1, 'MAGLIA-001', 'M  BLU      ', 0, 20, 'ETICH-VELD', '', 1, 'PZ'),
    (1, 'MAGLIA-001', 'L  GRI      ', 0, 10, 'FILATO-MER', '   GRI      ', 0.48, 'KG'),
    (1, 'MAGLIA-001', 'L  GRI      ', 0, 20, 'ETICH-VELD', '', 1, 'PZ'),
    (1, 'GIACCA-001', '', 0, 10, 'TESSUTO-TW', '', 1.8, 'MT'),
    (1, 'GIACCA-001', '', 0, 20, 'FODERA-VIS', '', 1.2, 'MT'),
    (1, 'GIACCA-001', '', 0, 30, 'BOTTONE-CO', '', 3, 'PZ'),
    (1, 'GIACCA-001', '', 0, 40, 'ETICH-VELD', '', 1, 'PZ'),
    (1, 'GIACCA-001', '', 1, 10, 'GIACCA-001', '', 1, 'PZ'),
    (1, 'MAGLIA-002', '', 0, 10, 'BOTTONE-CO', '', 6, 'PZ'),
    (1, 'MAGLIA-002', '', 0, 20, 'ETICH-VELD', '', 1, 'PZ')
GO
