-- Resolution and frame-rate rows. CAM-A's video modes hold, besides good
-- rows, a lower-case standard, blanks around a standard, a repeated
-- resolution, texts that do not parse, a code without a parameter row, the
-- group row itself (given a text that parses) and a row of another group.
INSERT INTO DevParam1 VALUES ('50Hz:25fps(Group Row)', '041500', 1, '', '');
INSERT INTO DevParam1 VALUES ('50Hz:25fps(1920x1080)', '041501', 1, '', '');
INSERT INTO DevParam1 VALUES ('60Hz:30fps(1920x1080)', '041502', 1, '', '');
INSERT INTO DevParam1 VALUES ('50Hz:25fps(4CIF)', '041503', 1, '', '');
INSERT INTO DevParam1 VALUES (' 50Hz :12fps(4CIF)', '041504', 1, '', '');
INSERT INTO DevParam1 VALUES ('50hz:25fps(CIF)', '041505', 1, '', '');
INSERT INTO DevParam1 VALUES ('50Hz 25fps(1280x720)', '041506', 1, '', '');
INSERT INTO DevParam1 VALUES ('50Hz:25fps:1(QCIF)', '041507', 1, '', '');
INSERT INTO DevParam1 VALUES ('50Hz:25fps()', '041508', 1, '', '');
INSERT INTO DevParam1 VALUES ('50Hz:25fps 1280x720', '041509', 1, '', '');
INSERT INTO DevParam1 VALUES ('Wide Dynamic Range', '041000', 1, '', '');
INSERT INTO DevParam1 VALUES ('50Hz:25fps(640x480)', '041001', 1, '', '');

INSERT INTO Device1 VALUES ('CAM-A', '041500');
INSERT INTO Device1 VALUES ('CAM-A', '041501');
INSERT INTO Device1 VALUES ('CAM-A', '041502');
INSERT INTO Device1 VALUES ('CAM-A', '041503');
INSERT INTO Device1 VALUES ('CAM-A', '041504');
INSERT INTO Device1 VALUES ('CAM-A', '041505');
INSERT INTO Device1 VALUES ('CAM-A', '041506');
INSERT INTO Device1 VALUES ('CAM-A', '041507');
INSERT INTO Device1 VALUES ('CAM-A', '041508');
INSERT INTO Device1 VALUES ('CAM-A', '041509');
INSERT INTO Device1 VALUES ('CAM-A', '041599');
INSERT INTO Device1 VALUES ('CAM-A', '041001');
-- A camera with PAL modes only.
INSERT INTO Device1 VALUES ('CAM-P', '041501');

-- Speed domes.
INSERT INTO DevParam3 VALUES ('Video Modes', '060200', 1, '', '');
INSERT INTO DevParam3 VALUES ('50Hz:25fps(1920x1080)', '060201', 1, '', '');
INSERT INTO DevParam3 VALUES ('60Hz:30fps(1280x720)', '060202', 1, '', '');
INSERT INTO Device3 VALUES ('DOME-A', '060201');
INSERT INTO Device3 VALUES ('DOME-A', '060202');

-- DVRs: resolutions stored whole, in catalogue order, one text under two
-- codes; frame rates, of which a text holding "30" is NTSC.
INSERT INTO DevParam2 VALUES ('Recording Resolution', '040200', 1, '', '');
INSERT INTO DevParam2 VALUES ('WD1', '040201', 1, '', '');
INSERT INTO DevParam2 VALUES ('4CIF', '040202', 1, '', '');
INSERT INTO DevParam2 VALUES ('CIF', '040203', 1, '', '');
INSERT INTO DevParam2 VALUES ('4CIF', '040204', 1, '', '');
INSERT INTO DevParam2 VALUES ('QCIF', '040205', 1, '', '');
INSERT INTO DevParam2 VALUES ('Recording Frame Rate', '040300', 1, '', '');
INSERT INTO DevParam2 VALUES ('1/16', '040301', 1, 'fps', '');
INSERT INTO DevParam2 VALUES ('25', '040302', 1, 'fps', '');
INSERT INTO DevParam2 VALUES ('30', '040303', 1, 'fps', '');
INSERT INTO Device2 VALUES ('DVR-A', '040203');
INSERT INTO Device2 VALUES ('DVR-A', '040201');
INSERT INTO Device2 VALUES ('DVR-A', '040202');
INSERT INTO Device2 VALUES ('DVR-A', '040204');
INSERT INTO Device2 VALUES ('DVR-A', '040205');
INSERT INTO Device2 VALUES ('DVR-A', '040301');
INSERT INTO Device2 VALUES ('DVR-A', '040302');
INSERT INTO Device2 VALUES ('DVR-A', '040303');
