-- Catalogue cases of the add-device filter and the parameter sheet.
--
-- Network cameras (class 0): a heading hidden by name, one whose code is in
-- the hide list but not its name, a group whose values are all hidden, range
-- values of every shape, markup in model and parameter texts, a model that
-- names one code twice (CAM-D) and a value no model carries (1 CMOS).
INSERT INTO DevParam1 VALUES ('Ordering', '010000', 1, '', '');
INSERT INTO DevParam1 VALUES ('Product Line', '011000', 1, '', '');
INSERT INTO DevParam1 VALUES ('Network Camera', '011001', 1, '', '');
INSERT INTO DevParam1 VALUES ('Image', '020000', 1, '', '');
INSERT INTO DevParam1 VALUES ('Sensor', '020100', 1, '', '');
INSERT INTO DevParam1 VALUES ('1/3 CMOS', '020101', 1, '', '');
INSERT INTO DevParam1 VALUES ('1/2.8 CMOS', '020102', 1, '', '');
INSERT INTO DevParam1 VALUES ('1 CMOS', '020103', 1, '', '');
INSERT INTO DevParam1 VALUES ('Zoom', '020200', 1, '', '');
INSERT INTO DevParam1 VALUES ('10', '020201', 1, 'x', '');
INSERT INTO DevParam1 VALUES ('20', '020202', 1, 'x', '');
INSERT INTO DevParam1 VALUES ('Ranges', '020300', 1, '', '');
INSERT INTO DevParam1 VALUES ('~8', '020301', 3, 'mm', 'mm');
INSERT INTO DevParam1 VALUES ('4', '020302', 3, 'mm', 'mm');
INSERT INTO DevParam1 VALUES ('1~2~3', '020303', 3, 'mm', 'mm');
INSERT INTO DevParam1 VALUES ('4~8', '020304', 3, 'mm', 'mm');
INSERT INTO DevParam1 VALUES ('Auto', '020305', 1, '', '');
INSERT INTO DevParam1 VALUES ('Video', '030000', 1, '', '');
INSERT INTO DevParam1 VALUES ('Compression', '030100', 1, '', '');
INSERT INTO DevParam1 VALUES ('H.264', '030101', 1, '', '');
INSERT INTO DevParam1 VALUES ('H.265', '030102', 1, '', '');
INSERT INTO DevParam1 VALUES ('Hidden Heading', '040000', 1, '', '');
INSERT INTO DevParam1 VALUES ('Hidden Group', '040100', 1, '', '');
INSERT INTO DevParam1 VALUES ('Hidden Value', '040101', 1, '', '');
INSERT INTO DevParam1 VALUES ('A<b>B</b> & C', '050000', 1, '', '');
INSERT INTO DevParam1 VALUES ('<i>group</i>', '050100', 1, '', '');
INSERT INTO DevParam1 VALUES ('<u>v</u>', '050101', 1, '&lt;', '');

INSERT INTO Device1 VALUES ('CAM-A', '011001');
INSERT INTO Device1 VALUES ('CAM-A', '020101');
INSERT INTO Device1 VALUES ('CAM-A', '020304');
INSERT INTO Device1 VALUES ('CAM-A', '030101');
INSERT INTO Device1 VALUES ('CAM-A', '030102');
INSERT INTO Device1 VALUES ('CAM-B', '011001');
INSERT INTO Device1 VALUES ('CAM-B', '020102');
INSERT INTO Device1 VALUES ('CAM-B', '030101');
INSERT INTO Device1 VALUES ('CAM-D', '011001');
INSERT INTO Device1 VALUES ('CAM-D', '030101');
INSERT INTO Device1 VALUES ('CAM-D', '030101');
INSERT INTO Device1 VALUES ('CAM<b>1</b> & 2', '011001');
INSERT INTO Device1 VALUES ('CAM<b>1</b> & 2', '020101');
INSERT INTO Device1 VALUES ('CAM<b>1</b> & 2', '050101');

-- DVRs (class 1): DVR-A carries the DVR and the hybrid code, so the DVR
-- list names it twice; DVR-N is an NVR among the DVRs.
INSERT INTO DevParam2 VALUES ('Ordering', '010000', 1, '', '');
INSERT INTO DevParam2 VALUES ('Device Type', '010400', 1, '', '');
INSERT INTO DevParam2 VALUES ('Hybrid NVR', '010401', 1, '', '');
INSERT INTO DevParam2 VALUES ('DVR', '010402', 1, '', '');
INSERT INTO DevParam2 VALUES ('NVR', '010403', 1, '', '');
INSERT INTO DevParam2 VALUES ('Product Line', '010500', 1, '', '');
INSERT INTO DevParam2 VALUES ('Recorder', '010501', 1, '', '');
INSERT INTO DevParam2 VALUES ('Inputs', '020000', 1, '', '');
INSERT INTO DevParam2 VALUES ('Channels', '020100', 1, '', '');
INSERT INTO DevParam2 VALUES ('4', '020101', 1, 'ch', '');
INSERT INTO DevParam2 VALUES ('8', '020102', 1, 'ch', '');

INSERT INTO Device2 VALUES ('DVR-A', '010401');
INSERT INTO Device2 VALUES ('DVR-A', '010402');
INSERT INTO Device2 VALUES ('DVR-A', '010501');
INSERT INTO Device2 VALUES ('DVR-A', '020101');
INSERT INTO Device2 VALUES ('DVR-B', '010402');
INSERT INTO Device2 VALUES ('DVR-B', '010501');
INSERT INTO Device2 VALUES ('DVR-B', '020101');
INSERT INTO Device2 VALUES ('DVR-N', '010402');
INSERT INTO Device2 VALUES ('DVR-N', '010403');
INSERT INTO Device2 VALUES ('DVR-N', '010501');
INSERT INTO Device2 VALUES ('DVR-N', '020102');

-- Speed domes (class 2): 270 groups of one value each under the headings
-- 60 to 62, more than the filter's 250 working lists. Group n (from 1) has
-- the code HHGG00 with HH = 60 + (n - 1) / 90 and GG = (n - 1) % 90 + 1.
-- DOME-X carries every value; DOME-Y lacks the value of group 251, DOME-W
-- that of group 1; DOME-Z carries every value but is not in the dome list.
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 270)
INSERT INTO DevParam3
SELECT 'Group ' || i, printf('%02d%02d00', 60 + (i - 1) / 90, (i - 1) % 90 + 1), 1, '', ''
FROM n;
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 270)
INSERT INTO DevParam3
SELECT 'Value ' || i, printf('%02d%02d01', 60 + (i - 1) / 90, (i - 1) % 90 + 1), 1, '', ''
FROM n;
INSERT INTO DevParam3 VALUES ('Heading 60', '600000', 1, '', '');
INSERT INTO DevParam3 VALUES ('Heading 61', '610000', 1, '', '');
INSERT INTO DevParam3 VALUES ('Heading 62', '620000', 1, '', '');
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 270),
     m(name) AS (VALUES ('DOME-X'), ('DOME-Y'), ('DOME-W'), ('DOME-Z'))
INSERT INTO Device3
SELECT name, printf('%02d%02d01', 60 + (i - 1) / 90, (i - 1) % 90 + 1)
FROM n, m
WHERE NOT (name = 'DOME-Y' AND i = 251) AND NOT (name = 'DOME-W' AND i = 1);
INSERT INTO Device3 VALUES ('DOME-X', '010701');
INSERT INTO Device3 VALUES ('DOME-Y', '010701');
INSERT INTO Device3 VALUES ('DOME-W', '010701');
