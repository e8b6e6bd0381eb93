-- Parameter trees of network cameras (class 0) and speed domes (class 2).
-- The values of a group stand out of code order; heading 030000 repeats the
-- text of heading 010000; CAM-A carries 040101, which has no parameter row.
INSERT INTO DevParam1 VALUES ('Basic', '010000', 1, '', '');
INSERT INTO DevParam1 VALUES ('Sensor', '010100', 1, '', '');
INSERT INTO DevParam1 VALUES ('1/2.8 CMOS', '010102', 1, '', '');
INSERT INTO DevParam1 VALUES ('1/3 CMOS', '010101', 1, '', '');
INSERT INTO DevParam1 VALUES ('IR Range', '010200', 1, '', '');
INSERT INTO DevParam1 VALUES ('10~50', '010201', 3, 'm', 'km');
INSERT INTO DevParam1 VALUES ('Video', '020000', 1, '', '');
INSERT INTO DevParam1 VALUES ('Compression', '020100', 1, '', '');
INSERT INTO DevParam1 VALUES ('H.265', '020102', 1, '', '');
INSERT INTO DevParam1 VALUES ('H.264', '020101', 1, '', '');
INSERT INTO DevParam1 VALUES ('Basic', '030000', 1, '', '');
INSERT INTO DevParam1 VALUES ('Power', '030100', 1, '', '');
INSERT INTO DevParam1 VALUES ('PoE', '030101', 1, 'W', '');
INSERT INTO DevParam1 VALUES ('Weight', '030200', 1, '', '');
INSERT INTO DevParam1 VALUES ('Heavy', '030201', 'n/a', 'kg', '');

INSERT INTO DevParam3 VALUES ('Dome Basic', '010000', 1, '', '');
INSERT INTO DevParam3 VALUES ('Zoom', '010100', 1, '', '');
INSERT INTO DevParam3 VALUES ('20', '010101', 1, 'x', '');

INSERT INTO Device1 VALUES ('CAM-B', '020101');
INSERT INTO Device1 VALUES ('CAM-B', '010102');
INSERT INTO Device1 VALUES ('CAM-A', '030101');
INSERT INTO Device1 VALUES ('CAM-A', '020102');
INSERT INTO Device1 VALUES ('CAM-A', '010201');
INSERT INTO Device1 VALUES ('CAM-A', '040101');
INSERT INTO Device1 VALUES ('CAM-A', '020101');
INSERT INTO Device1 VALUES ('CAM-A', '010101');
INSERT INTO Device1 VALUES ('CAM-C', '020102');

INSERT INTO Device3 VALUES ('CAM-A', '010101');
