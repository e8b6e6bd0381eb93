-- Models for the stream editor, in the English lists (cameras 011001, domes
-- 010701, DVRs 010402 with 010501) with their video modes.
--
-- CAM-S: three modes in each standard. CAM-P: PAL modes only. CAM-30: a PAL
-- mode of 30 fps, which is not on the PAL ladder. CAM-E: no video mode at
-- all. DOME-S: one mode in each standard. DVR-S: three resolutions and the
-- "1/16" marker among its frame rates. DVR-W: one resolution, whole frame
-- rates only. DVR-E: no resolution.
-- NVR-S is an NVR: no class of the stream editor.
INSERT INTO DevParam1 VALUES ('Video Modes', '041500', 1, '', '');
INSERT INTO DevParam1 VALUES ('50Hz:25fps(1920x1080)', '041501', 1, '', '');
INSERT INTO DevParam1 VALUES ('60Hz:30fps(1920x1080)', '041502', 1, '', '');
INSERT INTO DevParam1 VALUES ('50Hz:25fps(1280x720)', '041503', 1, '', '');
INSERT INTO DevParam1 VALUES ('60Hz:30fps(1280x720)', '041504', 1, '', '');
INSERT INTO DevParam1 VALUES ('50Hz:12fps(4CIF)', '041505', 1, '', '');
INSERT INTO DevParam1 VALUES ('60Hz:15fps(4CIF)', '041506', 1, '', '');
INSERT INTO DevParam1 VALUES ('50Hz:30fps(640x480)', '041507', 1, '', '');

INSERT INTO Device1 VALUES ('CAM-S', '011001');
INSERT INTO Device1 VALUES ('CAM-S', '041501');
INSERT INTO Device1 VALUES ('CAM-S', '041502');
INSERT INTO Device1 VALUES ('CAM-S', '041503');
INSERT INTO Device1 VALUES ('CAM-S', '041504');
INSERT INTO Device1 VALUES ('CAM-S', '041505');
INSERT INTO Device1 VALUES ('CAM-S', '041506');
INSERT INTO Device1 VALUES ('CAM-P', '011001');
INSERT INTO Device1 VALUES ('CAM-P', '041501');
INSERT INTO Device1 VALUES ('CAM-30', '011001');
INSERT INTO Device1 VALUES ('CAM-30', '041501');
INSERT INTO Device1 VALUES ('CAM-30', '041507');
INSERT INTO Device1 VALUES ('CAM-E', '011001');

INSERT INTO DevParam3 VALUES ('Video Modes', '060200', 1, '', '');
INSERT INTO DevParam3 VALUES ('50Hz:25fps(1920x1080)', '060201', 1, '', '');
INSERT INTO DevParam3 VALUES ('60Hz:30fps(1280x720)', '060202', 1, '', '');
INSERT INTO Device3 VALUES ('DOME-S', '010701');
INSERT INTO Device3 VALUES ('DOME-S', '060201');
INSERT INTO Device3 VALUES ('DOME-S', '060202');

INSERT INTO DevParam2 VALUES ('Recording Resolution', '040200', 1, '', '');
INSERT INTO DevParam2 VALUES ('WD1', '040201', 1, '', '');
INSERT INTO DevParam2 VALUES ('4CIF', '040202', 1, '', '');
INSERT INTO DevParam2 VALUES ('CIF', '040203', 1, '', '');
INSERT INTO DevParam2 VALUES ('Recording Frame Rate', '040300', 1, '', '');
INSERT INTO DevParam2 VALUES ('1/16', '040301', 1, 'fps', '');
INSERT INTO DevParam2 VALUES ('25', '040302', 1, 'fps', '');
INSERT INTO DevParam2 VALUES ('30', '040303', 1, 'fps', '');
INSERT INTO Device2 VALUES ('DVR-S', '010402');
INSERT INTO Device2 VALUES ('DVR-S', '010501');
INSERT INTO Device2 VALUES ('DVR-S', '040201');
INSERT INTO Device2 VALUES ('DVR-S', '040202');
INSERT INTO Device2 VALUES ('DVR-S', '040203');
INSERT INTO Device2 VALUES ('DVR-S', '040301');
INSERT INTO Device2 VALUES ('DVR-S', '040302');
INSERT INTO Device2 VALUES ('DVR-S', '040303');
INSERT INTO Device2 VALUES ('DVR-W', '010402');
INSERT INTO Device2 VALUES ('DVR-W', '010501');
INSERT INTO Device2 VALUES ('DVR-W', '040202');
INSERT INTO Device2 VALUES ('DVR-W', '040302');
INSERT INTO Device2 VALUES ('DVR-E', '010402');
INSERT INTO Device2 VALUES ('DVR-E', '010501');
INSERT INTO Device2 VALUES ('NVR-S', '010403');
INSERT INTO Device2 VALUES ('NVR-S', '010501');
