-- Stands, lenses and shields. CAM-A names a lens twice (under two codes) and
-- carries a stand code without a parameter row; CAM-N has no accessory. The
-- speed-dome tables hold a model of the same name, CAM-A, with a dome stand.
INSERT INTO DevParam1 VALUES ('Stands', '010200', 1, '', '');
INSERT INTO DevParam1 VALUES ('Wall Bracket', '010201', 1, '', '');
INSERT INTO DevParam1 VALUES ('Pole Bracket', '010202', 1, '', '');
INSERT INTO DevParam1 VALUES ('Lenses', '010300', 1, '', '');
INSERT INTO DevParam1 VALUES ('Lens 4mm', '010301', 1, '', '');
INSERT INTO DevParam1 VALUES ('Lens 8mm', '010302', 1, '', '');
INSERT INTO DevParam1 VALUES ('Lens 4mm', '010303', 1, '', '');
INSERT INTO DevParam1 VALUES ('Shields', '010400', 1, '', '');
INSERT INTO DevParam1 VALUES ('Housing', '010401', 1, '', '');
INSERT INTO DevParam1 VALUES ('Other Lenses', '050100', 1, '', '');
INSERT INTO DevParam1 VALUES ('Lens 12mm', '050101', 1, '', '');
INSERT INTO DevParam1 VALUES ('Wide Dynamic Range', '041000', 1, '', '');
INSERT INTO DevParam1 VALUES ('120dB', '041001', 1, '', '');

INSERT INTO Device1 VALUES ('CAM-A', '010202');
INSERT INTO Device1 VALUES ('CAM-A', '010201');
INSERT INTO Device1 VALUES ('CAM-A', '010299');
INSERT INTO Device1 VALUES ('CAM-A', '010302');
INSERT INTO Device1 VALUES ('CAM-A', '010301');
INSERT INTO Device1 VALUES ('CAM-A', '010303');
INSERT INTO Device1 VALUES ('CAM-A', '010401');
INSERT INTO Device1 VALUES ('CAM-A', '050101');
INSERT INTO Device1 VALUES ('CAM-A', '041001');
INSERT INTO Device1 VALUES ('CAM-N', '020101');
INSERT INTO Device1 VALUES ('CAM-B', '010201');

INSERT INTO DevParam3 VALUES ('Dome Stands', '010300', 1, '', '');
INSERT INTO DevParam3 VALUES ('Dome Wall Mount', '010301', 1, '', '');
INSERT INTO DevParam3 VALUES ('Dome Pendant', '010302', 1, '', '');
INSERT INTO DevParam3 VALUES ('Image Enhancement', '060400', 1, '', '');
INSERT INTO DevParam3 VALUES ('Defog', '060401', 1, '', '');
INSERT INTO Device3 VALUES ('CAM-A', '010302');
INSERT INTO Device3 VALUES ('DOME-A', '060401');
