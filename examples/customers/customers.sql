-- The example's customer table; scripts build customers.db from it with sqlite3.
CREATE TABLE customer (
  CustNo INTEGER PRIMARY KEY,
  Company VARCHAR(30) NOT NULL,
  Address VARCHAR(30),
  City VARCHAR(15),
  Phone VARCHAR(15),
  TaxExempt BOOLEAN DEFAULT 0,
  LastInvoice DATETIME,
  Notes MEMO
);
INSERT INTO customer VALUES (1221, 'Kauai Dive Shoppe', '4-976 Sugarloaf Hwy', 'Kapaa Kauai', '808-555-0269', 0, '1995-02-02 01:05:03', NULL);
INSERT INTO customer VALUES (1231, 'Unisco', 'PO Box Z-547', 'Freeport', '809-555-3915', 1, '1994-11-17 14:23:00', NULL);
INSERT INTO customer VALUES (1351, 'Sight Diver', '1 Neptune Lane', 'Kato Paphos', '357-6-876708', 0, '1995-01-30 17:54:00', 'Pays on time');
